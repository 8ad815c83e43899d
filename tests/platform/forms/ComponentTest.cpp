// Components: ownership, freeing order, names, free notifications and owner fields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Classes.h"

namespace forms {
namespace {

std::vector<std::u16string> g_freed;

class TProbe : public TComponent {
  FORMS_CLASS(TProbe)
 public:
  using TComponent::TComponent;
  void Destroy() override {
    g_freed.push_back(Name());
    TComponent::Destroy();
  }
  std::vector<std::u16string> heard;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == TOperation::opRemove && c != this) heard.push_back(c->Name());
  }
};

class THolder : public TComponent {
  FORMS_CLASS(THolder)
 public:
  using TComponent::TComponent;
  TProbe* First = nullptr;
};

FORMS_DEFINE_CLASS(TProbe, TComponent, [](auto&) {})
FORMS_DEFINE_CLASS(THolder, TComponent, [](auto& b) { b.Field(u"First", &THolder::First); })

TEST(Component, OwnerFreesOwnedComponentsLastFirst) {
  g_freed.clear();
  auto* owner = New<TProbe>(nullptr);
  owner->SetName(u"Owner");
  for (const char16_t* n : {u"A", u"B", u"C"}) New<TProbe>(owner)->SetName(n);
  auto* b = static_cast<TProbe*>(owner->FindComponent(u"b"));  // names ignore case
  New<TProbe>(b)->SetName(u"B1");
  ASSERT_EQ(owner->ComponentCount(), 3);
  EXPECT_EQ(b->ComponentIndex(), 1);
  owner->Free();
  EXPECT_EQ(g_freed, (std::vector<std::u16string>{u"Owner", u"C", u"B", u"B1", u"A"}));
}

TEST(Component, FreedComponentLeavesItsOwnerAndIsReported) {
  auto* owner = New<TProbe>(nullptr);
  auto* a = New<TProbe>(owner);
  a->SetName(u"A");
  auto* watcher = New<TProbe>(owner);
  watcher->SetName(u"W");
  a->Free();
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(watcher->heard, std::vector<std::u16string>{u"A"});  // siblings hear through the owner
  owner->Free();
}

TEST(Component, FreeNotificationAcrossOwners) {
  auto* a = New<TProbe>(nullptr);
  a->SetName(u"A");
  auto* b = New<TProbe>(nullptr);
  b->SetName(u"B");
  a->FreeNotification(b);
  b->Free();
  EXPECT_EQ(a->heard, std::vector<std::u16string>{u"B"});
  a->Free();
}

TEST(Component, NamesAreValidatedAndUnique) {
  auto* owner = New<TProbe>(nullptr);
  auto* a = New<TProbe>(owner);
  a->SetName(u"Edit1");
  auto* b = New<TProbe>(owner);
  EXPECT_THROW(b->SetName(u"EDIT1"), EComponentError);
  EXPECT_THROW(b->SetName(u"1Edit"), EComponentError);
  EXPECT_THROW(b->SetName(u"Edit 2"), EComponentError);
  b->SetName(u"Edit2");
  EXPECT_EQ(b->Name(), u"Edit2");
  EXPECT_THROW(New<TProbe>(owner)->SetName(u"Edit2"), EComponentError);
  owner->Free();
}

TEST(Component, OwnerFieldFollowsTheNamedComponent) {
  auto* h = New<THolder>(nullptr);
  auto* p = New<TProbe>(h);
  EXPECT_EQ(h->First, nullptr);
  p->SetName(u"First");
  EXPECT_EQ(h->First, p);
  p->SetName(u"Other");
  EXPECT_EQ(h->First, nullptr);
  p->SetName(u"First");
  p->Free();
  EXPECT_EQ(h->First, nullptr);
  h->Free();
}

}  // namespace
}  // namespace forms
