#pragma once
// Internal: the skin engine's process-wide state: the default manager, the window hook and
// what it calls, the hot-tracking timers, the windows skinned through the hook and those
// a dialog adapter handles, the dialog flags, the process-wide options, the shared empty
// data sets and the message sink. Every file of the engine reaches it through Engine();
// SkinEngineShutdown puts all of it back as it was before SkinEngineStartup. The tuning
// values of the pixel layer below are part of it (Tuning()).
#include <array>
#include <map>
#include <memory>
#include <unordered_set>
#include <vector>

#include "platform/win/Types.h"
#include "skin/data/acScaleVariants.h"
#include "skin/data/acSkinMessages.h"
#include "skin/data/sSkinManager.h"
#include "skin/render/pixels/acPixelTuning.h"

namespace skin {
class TacSkinData;
}

namespace skin::detail {

struct EngineState {
  EngineState();
  ~EngineState();
  EngineState& operator=(EngineState&&) noexcept;  // how ResetEngine starts over

  // The first manager made, until it goes (or another one is made the default).
  TsSkinManager* defaultManager = nullptr;

  // The CBT hook the default manager installs, and what it does besides passing calls on.
  win::HHOOK hook = nullptr;
  TacHookHandler hookHandler;

  // Hot-tracking timers by id, with the manager each one checks.
  std::map<win::UINT_PTR, TsSkinManager*> hotTimers;

  // The providers of automatically skinned windows (window skinning's TacProvider
  // objects), in the order they were made. Entries a form owns die with the form; those
  // without owner (standard dialogs) are freed here when the engine shuts down.
  std::vector<forms::TComponent*> skinnedWindowList;

  // Windows in the order they were registered, each once.
  std::vector<win::HWND> hookSkinnedWindows;
  std::vector<win::HWND> dialogAdapterWindows;

  // Message boxes and file dialogs take their classic forms (the default manager's rule).
  bool stdDialogsClassic = false;
  // Skin message boxes being shown; while above 0, standard dialogs are not skinned.
  int dialogSkinningSuspended = 0;

  // ButtonsOptions.OldGlyphsMode, a process-wide flag.
  bool oldGlyphsMode = false;
  // The first command-line argument is "/acpreview".
  bool previewRun = false;

  // The data sets a manager without an active skin answers with, made on first use.
  std::array<std::unique_ptr<TacSkinData>, acScaleCount> emptySets;

  // The sink skin message boxes go to (nullptr: recorded), and the record.
  TacMessageSink* messageSink = nullptr;
  TacRecordedMessages recordedMessages;

  // The skin states of controls that are alive: a window's "ACSDATA" is followed only to
  // one of these (a state freed while its window lives is never called).
  std::unordered_set<const void*> liveSkinStates;

  // Running fades of controls by their timer id (the timer's callback finds its fade).
  std::map<win::UINT_PTR, void*> fadeTimers;

  // Painting graphic children is running (a nested call does nothing).
  bool paintingGraphicChildren = false;
  // A label is handling a change of its text or font (nested changes do nothing).
  bool labelTextChanging = false;

  // The pixel layer's tuning values (disabled look).
  TacPixelTuning& Tuning() { return PixelTuning(); }
};

EngineState& Engine();

// Ends what is still running (the hook, hot timers) and puts every value back.
void ResetEngine();

}  // namespace skin::detail
