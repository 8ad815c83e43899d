// The skin manager on forms read from small stored descriptions: start-up with the stored
// skin, the skin change and its error trap, the default manager, settings read from the
// description, colour answers, scale helpers, the hook, broadcasting and hot tracking.
#include <gtest/gtest.h>

#include "platform/forms/Filer.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/StdCtrls.h"
#include "platform/gfx/Color.h"
#include "platform/win/InputApi.h"
#include "platform/win/MessageApi.h"
#include "platform/win/Styles.h"
#include "platform/win/WindowApi.h"
#include "skin/data/acSkinCommands.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinMessageBoxes.h"
#include "tests/skin/support/SkinManagerTestSupport.h"

namespace skin::test {
namespace {

TEST_F(ManagerTest, StartsWithTheStoredSkinWhenNoSkinFolderExists) {
  TsSkinManager* m = MakeProgramManager();
  EXPECT_TRUE(m->IsActive());
  EXPECT_TRUE(m->IsDefault());
  EXPECT_EQ(m->SkinName(), u"Emberfield (internal)");
  EXPECT_EQ(m->SkinInfo(), u"14.01");
  EXPECT_EQ(m->SkinCommonInfo.SkinPath, u"");
  EXPECT_EQ(m->SkinDirectory(), u"c:\\Skins");
  EXPECT_TRUE(m->SkinIsPacked);
  EXPECT_TRUE(acOldGlyphsMode());
  EXPECT_TRUE(acSkinHookInstalled()) << "Loaded installs the window hook";
  EXPECT_TRUE(m->GlobalHookInstalled);
  EXPECT_TRUE(acStdDialogsClassic());
  EXPECT_GE(m->GetSkinIndex(u"EDIT"), 0);
  EXPECT_NE(m->Brushes[0], nullptr);
  EXPECT_TRUE(DefaultSkinMessages().Messages().empty());
  // The stored texts and their defaults became the class lists.
  EXPECT_EQ(m->ThirdLists[tpButton].Count(), 1);
  EXPECT_EQ(m->ThirdLists[tpButton].Get(0), u"TButton");
  EXPECT_EQ(m->ThirdParty.Texts[tpPanel], u" ");
}

TEST_F(ManagerTest, ReadOnlyValuesAndDefaults) {
  TsSkinManager* m = MakeProgramManager();
  EXPECT_EQ(m->Version(), u"14.31");
  EXPECT_EQ(m->Options.ScaleMode(), TacScaleMode::smVCL);
  EXPECT_EQ(m->Options.PixelsPerInch(), forms::Screen->PixelsPerInch());
  EXPECT_EQ(m->ScrollsOptions.ScrollSize, -1);
  EXPECT_TRUE(m->ButtonsOptions.ShiftContentOnClick);
  // The stored "14.01" is not what SkinInfo reads: it follows the loaded skin.
  m->SetActive(false);
  EXPECT_EQ(m->SkinInfo(), u"N/A");
  EXPECT_FALSE(acStdDialogsClassic());
  EXPECT_FALSE(acSkinHookInstalled());
}

TEST_F(ManagerTest, UnknownSkinNameFallsBackToTheInternalSkin) {
  TsSkinManager* m = MakeProgramManager();
  m->SetSkinName(u"No Such Skin");
  EXPECT_TRUE(m->IsActive());
  EXPECT_EQ(m->SkinName(), u"Emberfield (internal)");
  EXPECT_EQ(m->SkinInfo(), u"14.01");
  // A package ending is dropped from the name before the search.
  m->SetSkinName(u"Emberfield (internal).ASZ");
  EXPECT_EQ(m->SkinName(), u"Emberfield (internal)");
}

TEST_F(ManagerTest, UnknownNameFromTheDescriptionFallsBackToo) {
  TManagerTestForm* f = MakeForm(ManagerDescription(StoredEmberfield(), "", "Vanished"));
  EXPECT_TRUE(f->sSkinManager1->IsActive());
  EXPECT_EQ(f->sSkinManager1->SkinName(), u"Emberfield (internal)");
}

TEST_F(ManagerTest, ABrokenSkinKeepsTheOldNameAndShowsTheError) {
  TsSkinManager* m = MakeProgramManager();
  TsStoredSkinItem* bad = static_cast<TsStoredSkinItem*>(m->InternalSkinsItems.Add());
  bad->Skin().Name = u"Broken";
  bad->Skin().PackedData = {'A', 'S', 'z', 'f', 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  int changes = 0;
  m->OnAfterChange = [&](forms::TObject*) { ++changes; };
  m->SetSkinName(u"Broken");
  EXPECT_EQ(m->SkinName(), u"Emberfield (internal)") << "the old name comes back";
  EXPECT_FALSE(m->IsActive());
  ASSERT_EQ(DefaultSkinMessages().Messages().size(), 1u);
  EXPECT_EQ(DefaultSkinMessages().Messages()[0].Kind, TacMsgKind::Error);
  EXPECT_FALSE(DefaultSkinMessages().Messages()[0].Text.empty());
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(m->ManagerState & msSkinChanging, 0u);
  // A later change to a good skin works again.
  m->SetSkinName(u"Emberfield (internal)");
  EXPECT_TRUE(m->IsActive());
}

TEST_F(ManagerTest, OnSkinChangingCanVetoAChange) {
  TsSkinManager* m = MakeProgramManager();
  std::u16string asked;
  m->OnSkinChanging = [&](forms::TObject*, const std::u16string& name, bool& allow) {
    asked = name;
    allow = false;
  };
  m->SetSkinName(u"Elsewhere");
  EXPECT_EQ(asked, u"Elsewhere");
  EXPECT_EQ(m->SkinName(), u"Elsewhere") << "the new name stays stored";
  EXPECT_TRUE(m->IsActive()) << "the loaded skin stays";
}

TEST_F(ManagerTest, TwoManagersAndIsDefault) {
  TsSkinManager* first = MakeProgramManager();
  TsSkinManager* second = forms::New<TsSkinManager>(first->Owner());
  EXPECT_TRUE(first->IsDefault());
  EXPECT_FALSE(second->IsDefault());
  EXPECT_EQ(DefaultManager(), first);
  // False has no effect while another manager is the default.
  second->SetIsDefault(false);
  EXPECT_EQ(DefaultManager(), first);
  second->SetIsDefault(true);
  EXPECT_TRUE(second->IsDefault());
  EXPECT_FALSE(first->IsDefault());
  EXPECT_EQ(DefaultManager(), second);
  // The default answers colour questions without a manager of their own.
  EXPECT_EQ(SkinColorToRGB(0xFF000008), gfx::GetSysColor(gfx::COLOR_WINDOWTEXT)) << "the second has no skin";
  first->SetIsDefault(true);
  EXPECT_EQ(SkinColorToRGB(0xFF000008), first->Palette[pcEditText]);
  second->Free();
  EXPECT_EQ(DefaultManager(), first);
}

TEST_F(ManagerTest, FreeingTheDefaultLeavesNoDefault) {
  TsSkinManager* m = MakeProgramManager();
  EXPECT_TRUE(acSkinHookInstalled());
  m->Free();
  EXPECT_EQ(DefaultManager(), nullptr);
  EXPECT_FALSE(acSkinHookInstalled());
  TsSkinManager* next = forms::New<TsSkinManager>(nullptr);
  EXPECT_TRUE(next->IsDefault());
  next->Free();
}

TEST_F(ManagerTest, SameDirectoryInOtherLetterCaseChangesNothing) {
  TsSkinManager* m = MakeProgramManager();
  int listChanges = 0;
  m->OnSkinListChanged = [&](forms::TObject*) { ++listChanges; };
  m->SetSkinDirectory(u"C:\\SKINS");
  EXPECT_EQ(m->SkinDirectory(), u"c:\\Skins");
  EXPECT_EQ(m->SkinCommonInfo.SkinPath, u"");
  EXPECT_EQ(listChanges, 0);
  m->SetSkinDirectory(u"d:\\Other");
  EXPECT_EQ(m->SkinDirectory(), u"d:\\Other");
  EXPECT_EQ(m->SkinCommonInfo.SkinPath, u"d:\\Other\\");
  EXPECT_EQ(listChanges, 1);
  EXPECT_TRUE(m->IsActive()) << "the loaded skin is not reloaded";
}

TEST_F(ManagerTest, EmptyDirectoryBecomesTheDefaultOnceLoaded) {
  std::string description = ManagerDescription(StoredEmberfield());
  description.erase(description.find("    SkinDirectory"), std::string("    SkinDirectory = 'c:\\Skins'\n").size());
  TManagerTestForm* f = MakeForm(description);
  EXPECT_EQ(f->sSkinManager1->SkinDirectory(), u"c:\\Skins");
  EXPECT_TRUE(f->sSkinManager1->IsActive());
}

TEST_F(ManagerTest, SkinColorToRGBWithAndWithoutAnActiveSkin) {
  TsSkinManager* m = MakeProgramManager();
  const TacSkinData& data = *m->CommonSkinData(96);
  const int edit = m->GetSkinIndex(u"EDIT");
  ASSERT_GE(edit, 0);
  const TColor editFont = data.gd[static_cast<std::size_t>(edit)].Props[0].FontColor.Color;
  EXPECT_EQ(SkinColorToRGB(0xFF000008, m), editFont);
  EXPECT_EQ(m->SkinColorToRGB(0xFF000008), m->GetActiveEditFontColor());
  EXPECT_EQ(m->SkinColorToRGB(0xFF000005), m->GetActiveEditColor());
  EXPECT_EQ(m->SkinColorToRGB(0xF1000001), m->GetGlobalColor());
  EXPECT_EQ(m->SkinColorToRGB(0xFF0000B4), m->Palette[pcBtnRedText]);
  EXPECT_EQ(m->SkinColorToRGB(0x00123456), 0x00123456u);
  EXPECT_EQ(m->GetGlobalColor(), 8217672u) << "the stored skin's COLOR";
  EXPECT_EQ(m->GetHighLightColor(true), m->Palette[pcSelectionBG_Focused]);
  EXPECT_EQ(m->GetHighLightFontColor(false), m->Palette[pcSelectionText]);

  m->SetActive(false);
  EXPECT_FALSE(m->IsActive());
  EXPECT_EQ(SkinColorToRGB(0xFF000008, m), gfx::GetSysColor(gfx::COLOR_WINDOWTEXT));
  EXPECT_EQ(m->SkinColorToRGB(0xF1000001), 0x00000001u) << "skin constants lose their high byte";
  m->SetActive(true);
  EXPECT_TRUE(m->IsActive());
  EXPECT_EQ(SkinColorToRGB(0xFF000008, m), editFont);
}

TEST_F(ManagerTest, ValidIndexesFollowTheLoadedSet) {
  TsSkinManager* m = MakeProgramManager();
  const TacSkinData& data = *m->CommonSkinData(96);
  EXPECT_TRUE(m->IsValidSkinIndex(0));
  EXPECT_TRUE(m->IsValidSkinIndex(static_cast<int>(data.gd.size()) - 1));
  EXPECT_FALSE(m->IsValidSkinIndex(static_cast<int>(data.gd.size())));
  EXPECT_FALSE(m->IsValidSkinIndex(-1));
  EXPECT_TRUE(m->IsValidImgIndex(static_cast<int>(data.ma.size()) - 1));
  EXPECT_FALSE(m->IsValidImgIndex(static_cast<int>(data.ma.size())));
  m->SetActive(false);
  EXPECT_FALSE(m->IsValidSkinIndex(0));
  // Without a skin the shared empty set of the density is handed out.
  EXPECT_EQ(m->CommonSkinData(144), &SharedEmptySkinData(2));
  EXPECT_EQ(SharedEmptySkinData(2).ScalePercent, 150);
}

TEST_F(ManagerTest, ScaleModesDecideTheDataSets) {
  TsSkinManager* m = MakeProgramManager();
  EXPECT_EQ(m->GetScale(), 0);
  EXPECT_EQ(m->ScaleInt(10), 10);
  EXPECT_EQ(m->ScaleInt(10, 1), 12);
  EXPECT_EQ(m->ScaleInt(10, 2), 15);
  EXPECT_EQ(m->ScaleInt(10, 3), 20);

  m->Options.SetScaleMode(TacScaleMode::sm150);
  EXPECT_EQ(m->GetScale(), 2);
  EXPECT_EQ(m->ScaleInt(10), 15);
  m->SetSkinName(m->SkinName());
  ASSERT_TRUE(m->IsActive());
  EXPECT_EQ(m->CommonSkinData(144)->PPI, 144);
  EXPECT_EQ(m->SkinDataArray.size(), 1u) << "outside smVCL one set at index 0";

  m->Options.SetScaleMode(TacScaleMode::smOldMode);
  EXPECT_EQ(m->ScaleInt(10, 3), 10);
  m->Options.SetScaleMode(TacScaleMode::smCustomPPI);
  m->Options.SetPixelsPerInch(120);
  EXPECT_EQ(m->ScaleInt(100), 125);
  m->Options.SetPixelsPerInch(0);
  EXPECT_EQ(m->Options.PixelsPerInch(), 120) << "a density of zero is refused";
  m->SetSkinName(m->SkinName());
  EXPECT_EQ(m->CommonSkinData(120)->PPI, 120);
}

TEST_F(ManagerTest, ScaleModeIsReadFromTheDescription) {
  TManagerTestForm* f = MakeForm(ManagerDescription(StoredEmberfield(), "    Options.ScaleMode = sm200\n"));
  TsSkinManager* m = f->sSkinManager1;
  EXPECT_EQ(m->Options.ScaleMode(), TacScaleMode::sm200);
  ASSERT_TRUE(m->IsActive());
  EXPECT_EQ(m->CommonSkinData(192)->PPI, 192);
}

TEST_F(ManagerTest, TheHookSeesWindowsBeingCreated) {
  MakeProgramManager();
  int creates = 0;
  SetSkinHookHandler([&](int code, win::WPARAM, win::LPARAM) {
    if (code == win::HCBT_CREATEWND) ++creates;
  });
  forms::TForm* other = nullptr;
  forms::Application->CreateForm(other);
  other->Handle();
  SetSkinHookHandler(nullptr);
  EXPECT_GE(creates, 1);
}

// A window that records the skin commands it gets.
struct CommandLog {
  static std::vector<std::pair<win::HWND, unsigned>>& Entries() {
    static std::vector<std::pair<win::HWND, unsigned>> e;
    return e;
  }
  static win::LRESULT Proc(win::HWND h, win::UINT msg, win::WPARAM wp, win::LPARAM lp) {
    if (msg == SkinCmdMessage) Entries().push_back({h, SkinCmdOf(wp)});
    return win::DefWindowProc(h, msg, wp, lp);
  }
  static win::HWND Make(win::HWND parent, int x, int y) {
    // Each test starts a new window system: the class is registered again.
    win::WNDCLASSEX wc{};
    wc.lpfnWndProc = &Proc;
    wc.lpszClassName = u"SkinCommandLog";
    win::RegisterClassEx(wc);
    const win::DWORD style = parent ? win::WS_CHILD | win::WS_VISIBLE : win::WS_POPUP | win::WS_VISIBLE;
    return win::CreateWindowEx(0, u"SkinCommandLog", u"", style, x, y, 40, 30, parent, nullptr, nullptr, nullptr);
  }
};

// Logs the skin commands a framework control gets through its message chain.
void LogCommands(forms::TControl* c, std::vector<unsigned>& log) {
  forms::TWndMethod old = c->WindowProc;
  c->WindowProc = [old, &log](forms::TMessage& m) {
    // The question whether a child is skinned itself is part of the walk, not a command.
    if (m.Msg == SkinCmdMessage && SkinCmdOf(m.WParam) != scIsSkinned) log.push_back(SkinCmdOf(m.WParam));
    old(m);
  };
}

TEST_F(ManagerTest, SkinChangesReachFormsChildrenAndHookedWindows) {
  TsSkinManager* m = MakeProgramManager();
  auto* form = static_cast<forms::TForm*>(m->Owner());
  form->Handle();
  auto* panel = forms::New<forms::TPanel>(form);
  panel->SetParent(form);
  panel->Handle();
  auto* label = forms::New<forms::TLabel>(form);
  label->SetParent(panel);
  std::vector<unsigned> formLog, panelLog, labelLog;
  LogCommands(form, formLog);
  LogCommands(panel, panelLog);
  LogCommands(label, labelLog);
  win::HWND hooked = CommandLog::Make(nullptr, 300, 300);
  RegisterHookSkinnedWindow(hooked);
  CommandLog::Entries().clear();
  m->SetSkinName(m->SkinName());
  UnregisterHookSkinnedWindow(hooked);
  auto count = [](const std::vector<unsigned>& log, unsigned cmd) { return std::count(log.begin(), log.end(), cmd); };
  const std::vector<unsigned> expected = {scNewSkin, scStopFade, scRefresh};
  EXPECT_EQ(formLog, expected);
  EXPECT_EQ(panelLog, expected) << "a windowed child through its window";
  EXPECT_EQ(labelLog, expected) << "an unskinned container passes it on to its graphic children";
  auto hookedCount = [&](unsigned cmd) {
    return std::count(CommandLog::Entries().begin(), CommandLog::Entries().end(), std::make_pair(hooked, cmd));
  };
  EXPECT_EQ(hookedCount(scNewSkin), 1);
  EXPECT_EQ(hookedCount(scStopFade), 1);

  formLog.clear();
  m->BeginUpdate();
  m->SetSkinName(m->SkinName());
  EXPECT_EQ(count(formLog, scNewSkin), 0) << "no broadcast between BeginUpdate and EndUpdate";
  m->EndUpdate(true, false);
  EXPECT_EQ(count(formLog, scNewSkin), 1);

  panelLog.clear();
  m->SetActive(false);
  EXPECT_EQ(panelLog, std::vector<unsigned>{scRemoveSkin});
  win::DestroyWindow(hooked);
}

TEST_F(ManagerTest, HotTrackingSendsEnterAndLeave) {
  TsSkinManager* m = MakeProgramManager();
  auto* form = static_cast<forms::TForm*>(m->Owner());
  form->SetBounds(100, 100, 300, 200);
  form->Show();
  win::HWND a = CommandLog::Make(form->Handle(), 10, 10);
  win::HWND b = CommandLog::Make(form->Handle(), 100, 10);
  CommandLog::Entries().clear();
  m->SetActiveControl(a);
  m->SetActiveControl(a);
  m->SetActiveControl(b);
  const std::vector<std::pair<win::HWND, unsigned>> expected = {
      {a, scMouseEnter}, {a, scMouseLeave}, {b, scMouseEnter}};
  EXPECT_EQ(CommandLog::Entries(), expected);

  // The 100 ms check lets go of a window the pointer is not over.
  win::RECT r;
  win::GetWindowRect(b, &r);
  win::headless::MouseMove({r.Left + 2, r.Top + 2});
  CommandLog::Entries().clear();
  win::headless::AdvanceTime(150);
  EXPECT_EQ(m->FActiveControl, b) << "the pointer is still inside";
  win::headless::MouseMove({5, 5});
  win::headless::AdvanceTime(150);
  EXPECT_EQ(m->FActiveControl, nullptr);
  EXPECT_EQ(std::count(CommandLog::Entries().begin(), CommandLog::Entries().end(), std::make_pair(b, 30u)), 1);
}

TEST_F(ManagerTest, AnIdleProgramWithAManagerSleeps) {
  TsSkinManager* m = MakeProgramManager();
  ASSERT_EQ(m->FActiveControl, nullptr);
  win::RunUntilIdle();
  // Nothing is due: the loop waits for input (here: the test's quit) instead of waking.
  bool starved = false;
  win::headless::Screen().onStarved = [&] {
    starved = true;
    win::PostQuitMessage(0);
    return true;
  };
  win::MSG msg;
  EXPECT_FALSE(win::GetMessage(&msg, nullptr, 0, 0));
  win::headless::Screen().onStarved = nullptr;
  EXPECT_TRUE(starved);
}

TEST_F(ManagerTest, NewerSkinVersionWarnsUnlessPreviewing) {
  TsSkinManager* m = MakeProgramManager();
  TsStoredSkinItem* item = static_cast<TsStoredSkinItem*>(m->InternalSkinsItems.Add());
  item->Skin().Name = u"Future";
  item->Skin().PackedData = SkinPackage("[GLOBALINFO]\r\nVERSION=15.20\r\n[EDIT]\r\nCOLOR=255\r\n");

  // The warning is shown with the skinning of standard dialogs switched off.
  struct Sink : TacMessageSink {
    std::vector<std::pair<std::u16string, bool>> shown;
    TacMsgAnswer Show(TacMsgKind kind, const std::u16string& text) override {
      shown.push_back({std::u16string(MessageTitle(kind)) + u": " + text, acDialogSkinningSuspended()});
      return TacMsgAnswer::Ok;
    }
  } sink;
  TacScopedMessageSink scoped(sink);
  m->SetSkinName(u"Future");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].first, u"Warning: " + std::u16string(kSkinVersionWarning));
  EXPECT_TRUE(sink.shown[0].second);
  EXPECT_FALSE(acDialogSkinningSuspended());
  EXPECT_TRUE(m->IsActive()) << "the skin is used anyway";
  EXPECT_EQ(m->SkinInfo(), u"15.2");

  sink.shown.clear();
  m->Settings.PreviewRun = true;
  m->SetSkinName(u"Future");
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ManagerTest, ProcessStartShowsTheVersionForAcver) {
  DefaultSkinMessages().Clear();
  SkinEngineStartup({u"x", u"/ACVER"});
  ASSERT_EQ(DefaultSkinMessages().Messages().size(), 1u);
  EXPECT_EQ(DefaultSkinMessages().Messages()[0].Kind, TacMsgKind::Plain);
  EXPECT_EQ(DefaultSkinMessages().Messages()[0].Text, u"Quillon v14.31");
  EXPECT_FALSE(acPreviewRun());
  DefaultSkinMessages().Clear();
  SkinEngineStartup({u"/acpreview"});
  EXPECT_TRUE(acPreviewRun());
  EXPECT_TRUE(DefaultSkinMessages().Messages().empty());
  SkinEngineStartup({});
  EXPECT_FALSE(acPreviewRun());
}

TEST_F(ManagerTest, WrittenDescriptionKeepsTheStoredValues) {
  TsSkinManager* m = MakeProgramManager();
  const std::string text = forms::TWriter::WriteRootComponent(m->Owner());
  EXPECT_NE(text.find("SkinName = 'Emberfield (internal)'"), std::string::npos) << text.substr(0, 2000);
  EXPECT_NE(text.find("SkinDirectory = 'c:\\Skins'"), std::string::npos);
  EXPECT_NE(text.find("ButtonsOptions.OldGlyphsMode = True"), std::string::npos);
  EXPECT_NE(text.find("SkinInfo = '14.01'"), std::string::npos);
  EXPECT_NE(text.find("OriginName = 'Emberfield.asz'"), std::string::npos);
  EXPECT_NE(text.find("Version = 14.01"), std::string::npos);
  EXPECT_EQ(text.find("'14.31'"), std::string::npos) << "the engine version is never written";
  EXPECT_EQ(text.find("IsDefault"), std::string::npos);
}

}  // namespace
}  // namespace skin::test

namespace skin::test {
namespace {

TEST_F(ManagerTest, FormsSinkShowsBoxesTitledByKind) {
  TacFormsMessageSink sink;
  std::vector<std::u16string> captions;
  int answerWith = forms::mrNo;
  forms::Application->OnIdle = [&](forms::TObject*, bool& done) {
    done = false;
    if (forms::TCustomForm* box = forms::Screen->ActiveForm()) {
      captions.push_back(box->Caption());
      box->SetModalResult(answerWith);
    }
  };
  EXPECT_EQ(sink.Show(TacMsgKind::Warning, u"careful"), TacMsgAnswer::Ok);
  EXPECT_EQ(sink.Show(TacMsgKind::Confirmation, u"sure?"), TacMsgAnswer::No);
  answerWith = forms::mrYes;
  EXPECT_EQ(sink.Show(TacMsgKind::Confirmation, u"sure?"), TacMsgAnswer::Yes);
  forms::Application->SetTitle(u"Lister");
  sink.Show(TacMsgKind::Plain, u"Quillon v14.31");
  forms::Application->OnIdle.Clear();
  const std::vector<std::u16string> expected = {u"Warning", u"Confirm", u"Confirm", u"Lister"};
  EXPECT_EQ(captions, expected);
}

}  // namespace
}  // namespace skin::test
