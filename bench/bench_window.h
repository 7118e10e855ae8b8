// Ids shared by the benchmark's window programs and their resource scripts.
// The main window template copies the panel's: same styles, size, font and
// push buttons, so both programs start from the same window as korvane.exe.
#ifndef LANTERRA_BENCH_WINDOW_H
#define LANTERRA_BENCH_WINDOW_H

#define BENCH_IDC_EXIT      1000
#define BENCH_IDC_ABOUT     1022
#define BENCH_FIRST_BUTTON  200
#define BENCH_FIRST_LABEL   300
#define BENCH_MAX_ENTRIES   50

#endif
