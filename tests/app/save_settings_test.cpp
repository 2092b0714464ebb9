// "Save Settings" of the real window, under Wine, into a data folder of the
// test's own: a save that cannot write says why in one box and the window
// keeps its values; a good save shows nothing.
#include "tests/app/window_fixture.h"

namespace corvanta::testing {
namespace {

namespace fs = std::filesystem;

// Makes a file unchangeable from outside Windows (chattr +i) and undoes it.
// Wine starts the Unix command but gives no handle to wait on, so each
// change is awaited by its effect on opening the file for writing.
class ImmutableFile {
 public:
  explicit ImmutableFile(const fs::path& file) : file_(file) {
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    if (unixName == nullptr) return;
    char* name = unixName(file.wstring().c_str());
    if (name == nullptr) return;
    unixPath_ = name;
    HeapFree(GetProcessHeap(), 0, name);
    applied_ = Change('+', false);
  }
  ~ImmutableFile() {
    if (applied_) Change('-', true);
  }
  ImmutableFile(const ImmutableFile&) = delete;
  ImmutableFile& operator=(const ImmutableFile&) = delete;

  bool Applied() const { return applied_; }

 private:
  bool Writable() const {
    HANDLE handle = CreateFileW(file_.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    CloseHandle(handle);
    return true;
  }
  // Runs chattr and waits up to 10 s until the file is `writable`.
  bool Change(char sign, bool writable) {
    std::string command = std::string("/usr/bin/chattr ") + sign + "i \"" + unixPath_ + "\"";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
      return false;
    for (int i = 0; i < 1000; ++i, Sleep(10))
      if (Writable() == writable) return true;
    return false;
  }

  fs::path file_;
  std::string unixPath_;
  bool applied_ = false;
};

class SaveSettingsCommand : public OwnSettingsFolderFixture {
 protected:
  SaveSettingsCommand() : OwnSettingsFolderFixture("corvanta-save-settings") {}

  fs::path File() const { return data_ / "Tarnwick Works" / "Corvanta" / "settings.ini"; }

  // "Save Settings" chosen from the menu, with every box it opens answered:
  // their texts.
  std::vector<std::string> Save() {
    std::vector<std::string> texts;
    MenuAnswering(IDM_SAVE_SETTINGS, [&texts](HWND box) {
      texts.push_back(MessageText(box));
      return IDOK;
    });
    return texts;
  }
};

// The three ways a save was seen to fail: a folder where the file belongs,
// a file marked read-only, a file made immutable outside Windows. Each
// shows one box with the system's reason, leaves what was there alone and
// keeps the window's values, which a save after the fault is gone writes.
// (A Unix read-only file would not do here: Wine run by root writes it.)
TEST_F(SaveSettingsCommand, AFailedSaveSaysWhyAndAGoodOneSaysNothing) {
  Retype(IDC_INDEX_CONST, "42");
  EXPECT_EQ(Save(), std::vector<std::string>{});
  EXPECT_NE(FileBytes(File()).find("Index Constant=42\r\n"), std::string::npos);
  Retype(IDC_INDEX_CONST, "43");

  const std::string old = FileBytes(File());
  const auto expectRefused = [&](const char* fault) {
    SCOPED_TRACE(fault);
    const std::vector<std::string> boxes = Save();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("Settings were not saved: ", 0), 0u) << boxes[0];
    EXPECT_GT(boxes[0].size(), std::string("Settings were not saved: ").size());
    EXPECT_EQ(boxes[0].find('\n'), std::string::npos) << boxes[0];
    EXPECT_EQ(Text(IDC_INDEX_CONST), "43");
  };

  fs::remove(File());
  fs::create_directory(File());
  expectRefused("a folder named settings.ini");
  EXPECT_TRUE(fs::is_empty(File()));
  fs::remove(File());
  std::ofstream(File(), std::ios::binary) << old;

  ASSERT_TRUE(SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_READONLY));
  expectRefused("a read-only file");
  EXPECT_EQ(FileBytes(File()), old);
  SetFileAttributesW(File().c_str(), FILE_ATTRIBUTE_NORMAL);

  bool immutableMade = false;
  {
    const ImmutableFile immutable(File());
    if (immutable.Applied()) {
      immutableMade = true;
      expectRefused("an immutable file");
    }
  }
  EXPECT_EQ(FileBytes(File()), old);

  EXPECT_EQ(Save(), std::vector<std::string>{});
  EXPECT_NE(FileBytes(File()).find("Index Constant=43\r\n"), std::string::npos);
  if (!immutableMade)
    GTEST_SKIP() << "no immutable file: the file system or the user cannot set the attribute";
}

// Settings files hold feed constants of up to 40 characters, more than the
// field can be typed with: the field shows the whole text, the job takes
// it, and a save keeps it whole. Typing stops at the field's limit.
class LongFeedConstant : public SaveSettingsCommand {
 protected:
  AppSettings StartSettings() const override {
    AppSettings settings = DefaultAppSettings();
    settings.feedConstant = kSaved;
    return settings;
  }
  static constexpr const char* kSaved = "0.07500000000000000000000000000000000001";
};

TEST_F(LongFeedConstant, IsShownTakenAndSavedWhole) {
  ASSERT_EQ(std::string(kSaved).size(), 40u);
  EXPECT_EQ(Text(IDC_FEED_CONST), kSaved);
  EnterJob("20", "10", 20);
  EXPECT_TRUE(Enabled(IDC_SOLVE_BUTTON));
  EXPECT_EQ(Save(), std::vector<std::string>{});
  EXPECT_NE(FileBytes(File()).find(std::string("Feed Constant=") + kSaved + "\r\n"),
            std::string::npos);

  Retype(IDC_FEED_CONST, kSaved);
  EXPECT_EQ(Text(IDC_FEED_CONST), std::string(kSaved).substr(0, 33));
}

}  // namespace
}  // namespace corvanta::testing
