#include "skin/data/acSkinMessages.h"

namespace skin {

namespace {
TacMessageSink* currentSink = nullptr;
}  // namespace

std::u16string_view MessageTitle(TacMsgKind kind) {
  switch (kind) {
    case TacMsgKind::Warning: return u"Warning";
    case TacMsgKind::Error: return u"Error";
    case TacMsgKind::Information: return u"Information";
    case TacMsgKind::Confirmation: return u"Confirm";
    case TacMsgKind::Plain: break;
  }
  return u"";
}

TacMsgAnswer TacRecordedMessages::Show(TacMsgKind kind, const std::u16string& text) {
  messages_.push_back({kind, text});
  return kind == TacMsgKind::Confirmation ? confirmAnswer_ : TacMsgAnswer::Ok;
}

TacRecordedMessages& DefaultSkinMessages() {
  static TacRecordedMessages recorder;
  return recorder;
}

TacMessageSink& SkinMessageSink() { return currentSink != nullptr ? *currentSink : DefaultSkinMessages(); }

void SetSkinMessageSink(TacMessageSink* sink) { currentSink = sink; }

TacScopedMessageSink::TacScopedMessageSink(TacMessageSink& sink) : previous_(currentSink) { currentSink = &sink; }

TacScopedMessageSink::~TacScopedMessageSink() { currentSink = previous_; }

}  // namespace skin
