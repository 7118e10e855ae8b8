#include "test_seam.h"

#include <string.h>

#include "launcher_table.h"
#include "platform.h"
#include "reader.h"
#include "text.h"

SeamRecord seam;

bool IsWow64()
{
    seam.wow64Questions++;
    return seam.wow64Answer;
}

void ShowConfigMessage(void *owner, const char *text, const char *caption)
{
    seam.messagesShown++;
    seam.owner = owner;
    seam.caption = caption;
    seam.text = text;
}

int RunReader(const std::string &dir, bool wow64)
{
    seam = SeamRecord();
    seam.wow64Answer = wow64;
    memset(&launcherTable, 0, sizeof launcherTable);
    memset(windowTitle, 0, sizeof windowTitle);
    memset(messageBuffer, 0, sizeof messageBuffer);
    CopyText(moduleDir, dir.c_str());
    static int ownerWindow;
    return LoadConfiguration(&ownerWindow);
}
