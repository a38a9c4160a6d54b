#include "files/FileErrorNumber.h"

#include "platform/AppError.h"

long FileErrorNumber(std::uint32_t systemCode) {
    switch (systemCode) {
        case syserr::kAccessDenied:
        case syserr::kSharingViolation:
        case syserr::kLockViolation:
            return err::kPermissionDenied;
        case syserr::kPathNotFound:
            return err::kPathNotFound;
        case syserr::kFileNotFound:
            return err::kFileNotFound;
        default:
            return static_cast<std::int32_t>(0x80070000u | (systemCode & 0xFFFFu));
    }
}

std::string FileErrorText(long number) {
    switch (number) {
        case err::kPermissionDenied:
            return "Permission denied";
        case err::kPathNotFound:
            return "Path not found";
        case err::kFileNotFound:
            return "File not found";
        default:
            return "";
    }
}
