# The saved cleaning reports and their windows.
brisvane_layer(reports DEPENDS settings
    PORTABLE ReportList.cpp
    WINDOWS frmReports.cpp frmViewReport.cpp)
