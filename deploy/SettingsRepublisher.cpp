#include "SettingsRepublisher.h"

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

#include <wx/arrstr.h>

#include "ReceiveFolder.h"
#include "SchoolSettingImporter.h"

SettingsRepublisher::SettingsRepublisher(Hooks hooks) : m_hooks(std::move(hooks)) {}

bool SettingsRepublisher::ArchivePresent() {
    struct stat st;
    const std::string path = ReceiveFolder::ArchivePath();
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
}

void SettingsRepublisher::Republish() {
    std::puts("Enter Republish ");
    if (ArchivePresent()) {
        {
            SchoolSettingImporter importer;
            wxArrayString notImported;
            importer.LoadSchoolSetting(
                wxString(ReceiveFolder::ArchivePath().c_str(), *wxConvFileName), &notImported);
        }
        const Hooks& hooks = m_hooks;
        const std::function<void()> refresh = [hooks] {
            if (hooks.refreshMainWindow && hooks.refreshMainWindow())
                std::puts("Refresh profile list");
            if (hooks.refreshProfileManager && hooks.refreshProfileManager())
                std::puts("ProfileManagerDlg RefreshProfile");
            if (hooks.reloadPolicy && hooks.reloadPolicy())
                std::puts("ProfileManagerDlg ReloadPolicy");
        };
        if (m_hooks.runOnGuiThread)
            m_hooks.runOnGuiThread(refresh);
        else
            refresh();
    }
    if (m_hooks.requestPublish)
        m_hooks.requestPublish();
}
