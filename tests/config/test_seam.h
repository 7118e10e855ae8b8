// The test side of the reader's seam: a WOW64 answer the test sets, and the
// message box recorded instead of shown.
#ifndef LANTERRA_TEST_SEAM_H
#define LANTERRA_TEST_SEAM_H

#include <string>

struct SeamRecord {
    bool wow64Answer = false;
    int wow64Questions = 0;
    int messagesShown = 0;
    void *owner = nullptr;
    std::string caption;
    std::string text;
};

extern SeamRecord seam;

// Clears the table as the panel does before reading, sets moduleDir and the
// WOW64 answer, and runs LoadConfiguration with a recognisable owner.
int RunReader(const std::string &dir, bool wow64);

#endif
