// The release files: the zip's content and its 32-bit binaries, the version in the files' names against the
// binaries' version resources, and the installer under Wine: install, the keyboard started from its
// shortcut, START_AT_SIGNIN=0, and an uninstall that leaves nothing of it.
#include <windows.h>

#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/keyboard.h"
#include "support/winprocess.h"

namespace {

// An install or an uninstall of the whole package takes some seconds under Wine on a loaded machine.
constexpr DWORD installWait = 120000;
const char* const runKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const uninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// What tests/release/prepare.sh left: the release files, the zip unpacked, and a package of the 64-bit files.
std::string releaseDirectory()
{
    return directoryOf(testsDirectory()) + "\\release";
}

std::vector<std::string> filesUnder(const std::string& directory, const std::string& prefix = "")
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            const auto inner = filesUnder(directory + "\\" + name, prefix + name + "\\");
            files.insert(files.end(), inner.begin(), inner.end());
        } else {
            files.push_back(prefix + name);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(files.begin(), files.end());
    return files;
}

// The one file in the directory whose name starts and ends so, or "" when there is not exactly one.
std::string onlyFile(const std::string& directory, const std::string& start, const std::string& end)
{
    std::vector<std::string> matching;
    for (const auto& name : filesUnder(directory))
        if (name.size() > start.size() + end.size() && name.compare(0, start.size(), start) == 0 &&
            name.compare(name.size() - end.size(), end.size(), end) == 0)
            matching.push_back(name);
    return matching.size() == 1 ? matching.front() : "";
}

// The version that a release file's name carries between the start and the end.
std::string versionInName(const std::string& name, const std::string& start, const std::string& end)
{
    return name.empty() ? "" : name.substr(start.size(), name.size() - start.size() - end.size());
}

std::string packagePath(const std::string& directory)
{
    const std::string name = onlyFile(directory, "Tilfay-", ".msi");
    return name.empty() ? "" : directory + "\\" + name;
}

struct VersionResource {
    std::string fixed;
    std::string fileVersion;
    std::string productVersion;
    std::string productName;
    std::string originalName;
};

VersionResource versionResourceOf(const std::string& file)
{
    VersionResource resource;
    DWORD ignored = 0;
    std::vector<char> data(GetFileVersionInfoSizeA(file.c_str(), &ignored));
    if (data.empty() || !GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(data.size()), data.data()))
        return resource;
    VS_FIXEDFILEINFO* info = nullptr;
    UINT size = 0;
    if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &size) && info) {
        resource.fixed = std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
                         std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
                         std::to_string(HIWORD(info->dwFileVersionLS));
        if (LOWORD(info->dwFileVersionLS) != 0 || info->dwProductVersionMS != info->dwFileVersionMS ||
            info->dwProductVersionLS != info->dwFileVersionLS)
            resource.fixed += " (product or fourth part differs)";
    }
    const auto text = [&](const char* name) {
        char* value = nullptr;
        UINT length = 0;
        const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
        return VerQueryValueA(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) && value
                   ? std::string(value)
                   : std::string();
    };
    resource.fileVersion = text("FileVersion");
    resource.productVersion = text("ProductVersion");
    resource.productName = text("ProductName");
    resource.originalName = text("OriginalFilename");
    return resource;
}

// The machine field of a program's PE header.
WORD machineOf(const std::string& file)
{
    HANDLE handle =
        CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return 0;
    IMAGE_DOS_HEADER dos{};
    IMAGE_NT_HEADERS32 nt{};
    DWORD read = 0;
    const bool ok = ReadFile(handle, &dos, sizeof dos, &read, nullptr) && read == sizeof dos &&
                    SetFilePointer(handle, dos.e_lfanew, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
                    ReadFile(handle, &nt, sizeof nt, &read, nullptr) && read == sizeof nt &&
                    nt.Signature == IMAGE_NT_SIGNATURE;
    CloseHandle(handle);
    return ok ? nt.FileHeader.Machine : 0;
}

std::string folder(int id)
{
    char path[MAX_PATH] = "";
    SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::string installDirectory()
{
    return folder(CSIDL_PROGRAM_FILESX86) + "\\Tilfay";
}

// The Start-menu shortcut: Windows puts a per-machine package's in the all-users Programs folder, Wine in the
// user's own.
std::string shortcutPath()
{
    for (int id : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
        const std::string path = folder(id) + "\\Tilfay.lnk";
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            return path;
    }
    return "";
}

std::string shortcutTarget(const std::string& shortcut)
{
    std::string target;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        const std::wstring wide(shortcut.begin(), shortcut.end());
        char path[MAX_PATH] = "";
        if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
            target = path;
        file->Release();
    }
    link->Release();
    return target;
}

// A string value of the 32-bit view of HKLM, where a 32-bit package writes; "" when it is not there.
std::string machineValue(const std::string& key, const char* name)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &opened) !=
        ERROR_SUCCESS)
        return "";
    char value[1024] = "";
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    const bool found = RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(value),
                                        &size) == ERROR_SUCCESS &&
                       type == REG_SZ;
    RegCloseKey(opened);
    return found ? value : "";
}

// The "Apps and features" entries whose display name is Tilfay.
std::vector<std::string> uninstallEntries()
{
    std::vector<std::string> found;
    HKEY entries = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, uninstallKey, 0, KEY_READ | KEY_WOW64_32KEY, &entries) !=
        ERROR_SUCCESS)
        return found;
    char name[256];
    for (DWORD i = 0; RegEnumKeyA(entries, i, name, sizeof name) == ERROR_SUCCESS; ++i)
        if (machineValue(std::string(uninstallKey) + "\\" + name, "DisplayName") == "Tilfay")
            found.push_back(std::string(uninstallKey) + "\\" + name);
    RegCloseKey(entries);
    return found;
}

DWORD runMsiexec(const std::string& arguments)
{
    Program msiexec("msiexec " + arguments);
    return msiexec.waitForExit(installWait);
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
    }
    void TearDown() override
    {
        CoUninitialize();
    }
};

} // namespace

TEST(Release, TheZipHoldsTheProgramItsLibraryTheGuideTheWordListsAndTheLicenceBuiltFor32BitWindows)
{
    const std::string unpacked = releaseDirectory() + "\\unpacked";
    const std::vector<std::string> expected = {"LICENSE.txt",
                                               "Tilfay.exe",
                                               "Tilmhk32.dll",
                                               "guide\\Tilfay.html",
                                               "guide\\forms.png",
                                               "guide\\hover-system.png",
                                               "guide\\hover.png",
                                               "guide\\in-use.png",
                                               "guide\\options.png",
                                               "guide\\scan-system.png",
                                               "guide\\scan.png",
                                               "guide\\size-Huge.png",
                                               "guide\\size-Large.png",
                                               "guide\\size-Medium.png",
                                               "guide\\size-Small.png",
                                               "guide\\size-Tiny.png",
                                               "guide\\stroke.png",
                                               "guide\\system.png",
                                               "words\\LICENSE.txt",
                                               "words\\SCOWL-COPYRIGHT.txt",
                                               "words\\ca.txt",
                                               "words\\cs.txt",
                                               "words\\da.txt",
                                               "words\\de.txt",
                                               "words\\en-pairs.txt",
                                               "words\\en.txt",
                                               "words\\es.txt",
                                               "words\\et.txt",
                                               "words\\fi.txt",
                                               "words\\fr.txt",
                                               "words\\hu.txt",
                                               "words\\it.txt",
                                               "words\\lt.txt",
                                               "words\\lv.txt",
                                               "words\\nl.txt",
                                               "words\\no.txt",
                                               "words\\pl.txt",
                                               "words\\pt.txt",
                                               "words\\ro.txt",
                                               "words\\sk.txt",
                                               "words\\sl.txt",
                                               "words\\sv.txt",
                                               "words\\tr.txt"};
    EXPECT_EQ(filesUnder(unpacked), expected);
    EXPECT_EQ(machineOf(unpacked + "\\Tilfay.exe"), IMAGE_FILE_MACHINE_I386);
    EXPECT_EQ(machineOf(unpacked + "\\Tilmhk32.dll"), IMAGE_FILE_MACHINE_I386);
}

TEST(Release, TheFilesNamesCarryTheVersionOfBothBinaries)
{
    const std::string dist = releaseDirectory() + "\\dist";
    const std::string version =
        versionInName(onlyFile(dist, "Tilfay-", "-win32.zip"), "Tilfay-", "-win32.zip");
    ASSERT_FALSE(version.empty()) << "one zip in " << dist;
    EXPECT_EQ(versionInName(onlyFile(dist, "Tilfay-", ".msi"), "Tilfay-", ".msi"), version);
    for (const char* binary : {"Tilfay.exe", "Tilmhk32.dll"}) {
        const VersionResource resource = versionResourceOf(releaseDirectory() + "\\unpacked\\" + binary);
        EXPECT_EQ(resource.fixed, version) << binary;
        EXPECT_EQ(resource.fileVersion, version) << binary;
        EXPECT_EQ(resource.productVersion, version) << binary;
        EXPECT_EQ(resource.productName, "Tilfay") << binary;
        EXPECT_EQ(resource.originalName, binary);
    }
}

TEST_F(Installer, InstallsAndUninstallsTheFilesShortcutEntryAndRunValue)
{
    const std::string dist = releaseDirectory() + "\\dist";
    const std::string package = packagePath(dist);
    ASSERT_FALSE(package.empty()) << "one package in " << dist;
    const std::string version = versionInName(onlyFile(dist, "Tilfay-", ".msi"), "Tilfay-", ".msi");
    const std::string program = installDirectory() + "\\Tilfay.exe";

    ASSERT_EQ(runMsiexec("/i \"" + package + "\" /qn"), 0u);
    EXPECT_EQ(filesUnder(installDirectory()), filesUnder(releaseDirectory() + "\\unpacked"));
    EXPECT_EQ(shortcutTarget(shortcutPath()), program);
    const auto entries = uninstallEntries();
    ASSERT_EQ(entries.size(), 1u) << "an Apps and features entry";
    EXPECT_EQ(machineValue(entries.front(), "DisplayVersion"), version);
    EXPECT_EQ(machineValue(runKey, "Tilfay"), '"' + program + '"') << "starts at sign-in by default";

    ASSERT_EQ(runMsiexec("/x \"" + package + "\" /qn"), 0u);
    EXPECT_EQ(filesUnder(installDirectory()), std::vector<std::string>());
    EXPECT_EQ(GetFileAttributesA(installDirectory().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(shortcutPath(), "");
    EXPECT_EQ(uninstallEntries().size(), 0u);
    EXPECT_EQ(machineValue(runKey, "Tilfay"), "");

    ASSERT_EQ(runMsiexec("/i \"" + package + "\" /qn START_AT_SIGNIN=0"), 0u);
    EXPECT_NE(GetFileAttributesA(program.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(machineValue(runKey, "Tilfay"), "") << "no Run entry with START_AT_SIGNIN=0";
}

// The 32-bit keyboard cannot start here; the same package made of this build's 64-bit files stands in for it.
// Installed over the release's package, another build of the same version, it replaces it.
TEST_F(Installer, AnotherBuildOfTheVersionReplacesItAndStartsFromTheShortcutInTheCorner)
{
    const std::string release = packagePath(releaseDirectory() + "\\dist");
    const std::string package = packagePath(releaseDirectory() + "\\x64");
    ASSERT_FALSE(release.empty());
    ASSERT_FALSE(package.empty());
    ASSERT_EQ(runMsiexec("/i \"" + release + "\" /qn"), 0u);
    ASSERT_EQ(runMsiexec("/i \"" + package + "\" /qn"), 0u);
    EXPECT_EQ(uninstallEntries().size(), 1u);
    const std::string target = shortcutTarget(shortcutPath());
    ASSERT_EQ(target, installDirectory() + "\\Tilfay.exe");
    ASSERT_EQ(machineOf(target), machineOf(tilfayPath())) << "the second build's files replaced the first's";

    Program keyboard('"' + target + '"');
    HWND frame = waitForFrame(keyboard);
    ASSERT_NE(frame, nullptr);
    RECT place;
    GetWindowRect(frame, &place);
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_TRUE(IsWindowVisible(frame));
    EXPECT_EQ(place.right, work.right);
    EXPECT_EQ(place.bottom, work.bottom);
    EXPECT_EQ(closeKeyboard(keyboard, frame), 0u);
}
