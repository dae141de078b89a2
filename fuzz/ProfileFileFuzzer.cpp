// libFuzzer entry for the readers of the settings documents.  Every input is
// written as a profile file, the policy file, the settings-version file and
// the mesh configuration file, and read back through each one's reader,
// which must neither crash (a deeply nested text exhausts the parser's stack)
// nor leak.  A profile that was read must write out and read back equal; a
// policy or version file that was not read must leave what the program goes
// on with as it was.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ftw.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <wx/arrstr.h>
#include <wx/init.h>

#include "MeshConfigurationEntity.h"
#include "PolicyManager.h"
#include "ProfileFile.h"
#include "ProfileVersion.h"
#include "SystemPaths.h"
#include "TWMUtil.h"
#include "XMLOperator.h"

namespace {

std::string g_work;

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) { return ::remove(path); }

void WriteInput(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size)
        std::abort();
    std::fclose(f);
}

void ReadAsProfile(const uint8_t* data, size_t size) {
    const std::string path = g_work + "/input.profile";
    WriteInput(path, data, size);
    ProfileList_t read;
    if (ProfileFile::Read(path, read)) {
        if (read.name != "input" || !ProfileFile::Write(read, g_work, 0600, true))
            std::abort();
        ProfileList_t again;
        if (!ProfileFile::Read(path, again) || !(again == read))
            std::abort();
    }
}

void ReadAsSettings(const uint8_t* data, size_t size) {
    WriteInput(PolicyManager::PolicyFilePath(), data, size);
    PolicyManager policy;  // reads the file
    if (!policy.LoadPolicy() &&
        !(policy.CanUseMesh() && policy.CanScanWireless() && policy.CanMaintainProfiles() &&
          policy.CanTurnWirelessOnOff()))
        std::abort();

    WriteInput(ProfileVersion::VersionFilePath(), data, size);
    wxArrayString version;
    version.Add("kept");
    if (!ProfileVersion().GetProfileVersion(version) && (version.size() != 1 || version[0] != "kept"))
        std::abort();

    WriteInput(XMLOperator::MeshConfigurationPath(), data, size);
    MeshConfigurationEntity mesh;
    XMLOperator().ReadMeshConfiguration(&mesh);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static wxInitializer wx;
    char tmpl[] = "/tmp/profile-fuzz-XXXXXX";
    if (::mkdtemp(tmpl) == nullptr)
        std::abort();
    g_work = tmpl;
    ::setenv("TIDEWAVE_ROOT", g_work.c_str(), 1);  // the settings folder, and the readers' log path
    TWMUtil::OverrideUserIdForTesting("root");     // the mesh configuration beside the policy
    if (!TWMUtil::MakeFolder(SystemPaths::AdminDir(), 0700))
        std::abort();
    std::atexit([] { ::nftw(g_work.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReadAsProfile(data, size);
    ReadAsSettings(data, size);
    return 0;
}
