# Twin of the 32-bit build for machines that cannot execute 32-bit x86 code:
# the same sources built for x64, so the Wine tests can still run here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(LANTERRA_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
