// A reading of the local clock, as the report lines and report file names use it.
#pragma once

struct ClockTime {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
};
