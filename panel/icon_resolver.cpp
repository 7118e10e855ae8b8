#include "panel.h"

#include <stdio.h>

static const char ICON_KEYWORD_EXTRACT[] = "EXTRACT";
static const char ICON_FALLBACK_NAME[] = "Default";
static const char ICON_WARNING_CAPTION[] = "Lanterra config file error";
static const char ICON_WARNING_FORMAT[] =
    "Failed to extract an icon for button %d from the following file\n%s\n\n"
    "Check that the file is a executable file, DLL file, or icon file\n"
    "Also check that the file path and file name are correct.";

enum { ICON_SIZE = 48, ICON_MESSAGE_SIZE = 600 };

// True when text equals word, the letters a-z and A-Z matching either case
// and every other byte only itself, whatever the system's language.
static bool IsWordNoCase(const char *text, const char *word)
{
    for (;; ++text, ++word) {
        char a = *text, b = *word;
        if (a >= 'a' && a <= 'z')
            a = (char)(a - 'a' + 'A');
        if (b >= 'a' && b <= 'z')
            b = (char)(b - 'a' + 'A');
        if (a != b)
            return false;
        if (a == '\0')
            return true;
    }
}

static HICON LoadResourceIcon(HINSTANCE instance, const char *name)
{
    return (HICON)LoadImageA(instance, name, IMAGE_ICON, ICON_SIZE, ICON_SIZE,
                             LR_LOADMAP3DCOLORS | LR_LOADTRANSPARENT);
}

HICON ResolveButtonIcon(const LauncherEntry *entry, int32_t index, HWND owner, HINSTANCE instance)
{
    HICON icon = NULL;
    if (!IsWordNoCase(entry->iconName, ICON_KEYWORD_EXTRACT)) {
        icon = LoadResourceIcon(instance, entry->iconName);
    } else if (entry->iconFile[0] != '\0') {
        ExtractIconExA(entry->iconFile, 0, &icon, NULL, 1);
    } else {
        // The count comes back as UINT; a failing extraction may give -1.
        int32_t count = (int32_t)ExtractIconExA(entry->appPath, 0, &icon, NULL, 1);
        if (count < 1) {
            icon = NULL;
            count = (int32_t)ExtractIconExA(entry->appPath, 0, NULL, &icon, 1);
        }
        if (count < 1) {
            icon = NULL;
            char text[ICON_MESSAGE_SIZE];
            snprintf(text, sizeof text, ICON_WARNING_FORMAT, (int)(index + 1), entry->appPath);
            MessageBoxA(owner, text, ICON_WARNING_CAPTION, MB_ICONWARNING);
        }
    }
    if (icon == NULL)
        icon = LoadResourceIcon(instance, ICON_FALLBACK_NAME);
    return icon;
}
