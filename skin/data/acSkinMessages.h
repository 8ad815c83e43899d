#pragma once
// The message boxes the skin engine shows (package errors, missing skins, ...). The engine
// only names the kind and the text; a replaceable sink shows them. Until the component
// framework plugs its message boxes in, the default sink records every message instead of
// showing it, so that tests and headless runs can read what would have been shown.
#include <string>
#include <string_view>
#include <vector>

namespace skin {

// The kind of a box: its title and icon. Plain is the application's own box: its title,
// no icon, one OK button.
enum class TacMsgKind { Warning, Error, Information, Confirmation, Plain };

// The button the user chose. Boxes other than confirmations answer Ok.
enum class TacMsgAnswer { Ok, Yes, No, Cancel };

// The box title of a kind: "Warning", "Error", "Information", "Confirm"; empty for Plain
// (the shower puts the application title there).
std::u16string_view MessageTitle(TacMsgKind kind);

// Shows skin messages. Implemented by whoever can show boxes.
class TacMessageSink {
 public:
  virtual ~TacMessageSink() = default;
  virtual TacMsgAnswer Show(TacMsgKind kind, const std::u16string& text) = 0;
};

// The default sink: keeps every message in order and answers confirmations with a set
// answer. Shows nothing.
class TacRecordedMessages : public TacMessageSink {
 public:
  struct Entry {
    TacMsgKind Kind;
    std::u16string Text;
  };

  TacMsgAnswer Show(TacMsgKind kind, const std::u16string& text) override;

  const std::vector<Entry>& Messages() const { return messages_; }
  void Clear() { messages_.clear(); }
  void SetConfirmAnswer(TacMsgAnswer answer) { confirmAnswer_ = answer; }

 private:
  std::vector<Entry> messages_;
  TacMsgAnswer confirmAnswer_ = TacMsgAnswer::Yes;
};

// The sink in use (the process-wide recorder unless another one is set).
TacMessageSink& SkinMessageSink();
// Replaces the sink; nullptr goes back to the recorder. The caller keeps ownership.
void SetSkinMessageSink(TacMessageSink* sink);
// The process-wide recorder behind the default sink.
TacRecordedMessages& DefaultSkinMessages();

// Puts a sink in place for the lifetime of the object and restores the previous one.
class TacScopedMessageSink {
 public:
  explicit TacScopedMessageSink(TacMessageSink& sink);
  ~TacScopedMessageSink();
  TacScopedMessageSink(const TacScopedMessageSink&) = delete;
  TacScopedMessageSink& operator=(const TacScopedMessageSink&) = delete;

 private:
  TacMessageSink* previous_;
};

}  // namespace skin
