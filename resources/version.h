// The program's version, in one place: read by the version block of the
// resource script and by the About box.
#ifndef LANTERRA_VERSION_H
#define LANTERRA_VERSION_H

#define VERSION_MAJOR        1
#define VERSION_MINOR        3
#define VERSION_BUILD        1000
#define VERSION_REVISION     0

#define VERSION_FILE_TEXT    "1, 3, 1000, 0"
#define PRODUCT_NAME_TEXT    "Lanterra"
#define VERSION_SHORT_TEXT   "V1.3"
#define VERSION_BUILD_TEXT   "1000"

// Texts of the version block
#define VERSION_INTERNAL_TEXT  "korvane"
#define VERSION_COMPANY_TEXT   "Quillarn (TM)"
#define VERSION_PRODUCT_TEXT   "Quillarn Lanterra"
#define VERSION_COMMENTS_TEXT  "Lanterra, the launcher panel from Quillarn. See www.quillarn.example for updates"
#define VERSION_COPYRIGHT_TEXT "Copyright (C) 2026 Quillarn. All rights reserved."

#endif
