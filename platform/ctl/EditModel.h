#pragma once
// The editing state of an edit control without its window: the text, the selection
// (anchor and caret), the single-level undo of the platform's edit (undoing twice redoes;
// a run of typing or of deleting is one step) and character and word steps. It knows
// nothing of fonts, pixels or messages.
#include <string>
#include <string_view>
#include <utility>

#include "platform/ctl/TextBuffer.h"

namespace ctl::detail {

enum class EditKind { Typing, Deleting, Other };

class EditModel {
 public:
  explicit EditModel(bool multiline) : text_(multiline) {}

  const TextBuffer& Text() const { return text_; }
  int Anchor() const { return anchor_; }
  int Caret() const { return caret_; }
  int SelStart() const { return anchor_ < caret_ ? anchor_ : caret_; }
  int SelEnd() const { return anchor_ < caret_ ? caret_ : anchor_; }
  bool HasSelection() const { return anchor_ != caret_; }
  std::u16string SelectedText() const;
  // Sets the selection; both ends are clamped to the text and kept off CR LF middles.
  void Select(int anchor, int caret);

  // Replaces the selection with s and puts the caret after it. An undoable change is
  // remembered (joined to the previous step when both are typing, or both deleting, at
  // adjoining places); a change that is not undoable empties the undo step.
  void ReplaceSelection(std::u16string_view s, bool undoable, EditKind kind = EditKind::Other);
  // Replaces the whole text without undo; the selection goes to the start.
  void SetText(std::u16string_view s);

  bool CanUndo() const { return undo_.valid; }
  // Reverts the last step and selects what it put back; the reverted change becomes the
  // step to undo, so a second Undo redoes it.
  bool Undo();
  void EmptyUndo() { undo_ = {}; }

  // Character steps over CR LF pairs and surrogate pairs.
  int PrevChar(int pos) const;
  int NextChar(int pos) const;
  // Word steps as Ctrl+Left / Ctrl+Right make them: words are runs of characters other
  // than blanks and line breaks; a line break is a stop of its own.
  int WordLeft(int pos) const;
  int WordRight(int pos) const;
  // The word (or run of blanks) around pos, for double-click selection.
  std::pair<int, int> WordAt(int pos) const;

 private:
  struct UndoStep {
    bool valid = false;
    int pos = 0;             // where the change happened
    std::u16string removed;  // text the change took out
    int inserted = 0;        // length of what it put in
    EditKind kind = EditKind::Other;
  };

  void Remember(int start, std::u16string_view removed, int inserted, EditKind kind);

  TextBuffer text_;
  int anchor_ = 0;
  int caret_ = 0;
  UndoStep undo_;
};

}  // namespace ctl::detail
