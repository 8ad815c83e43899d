#include "skin/data/acSkinMessages.h"

#include "skin/data/EngineState.h"

namespace skin {

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

TacRecordedMessages& DefaultSkinMessages() { return detail::Engine().recordedMessages; }

TacMessageSink& SkinMessageSink() {
  TacMessageSink* sink = detail::Engine().messageSink;
  return sink != nullptr ? *sink : DefaultSkinMessages();
}

void SetSkinMessageSink(TacMessageSink* sink) { detail::Engine().messageSink = sink; }

TacScopedMessageSink::TacScopedMessageSink(TacMessageSink& sink) : previous_(detail::Engine().messageSink) {
  detail::Engine().messageSink = &sink;
}

TacScopedMessageSink::~TacScopedMessageSink() { detail::Engine().messageSink = previous_; }

}  // namespace skin
