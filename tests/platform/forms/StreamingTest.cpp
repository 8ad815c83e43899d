// Stored descriptions: every value kind read into published properties, extra defined
// values, collections of items, event and field binding, the writer's defaults rule and
// round trips, and the errors a bad description gives.
#include <gtest/gtest.h>

#include <string>

#include "platform/base/Unicode.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/DescriptionTree.h"
#include "platform/forms/Filer.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Picture.h"
#include "platform/forms/Strings.h"
#include "platform/forms/TypInfo.h"

namespace forms {
namespace {

enum class TFruit { frApple, frBanana, frCherry };
const TEnumInfo& FruitInfo() {
  static const TEnumInfo i{u"TFruit", {u"frApple", u"frBanana", u"frCherry"}};
  return i;
}

// A collection item with published values and two defined extra values, as a layer above
// would store packed data in its items.
class TSampleItem : public TCollectionItem {
  FORMS_CLASS(TSampleItem)
 public:
  using TCollectionItem::TCollectionItem;
  std::u16string Title;
  int Value = 0;
  std::vector<std::uint8_t> Data;
  std::u16string Origin;
  void DefineProperties(TFiler& f) override {
    f.DefineBinaryProperty(
        u"Data", [this](std::span<const std::uint8_t> d) { Data.assign(d.begin(), d.end()); },
        [this](std::vector<std::uint8_t>& out) { out = Data; }, !Data.empty());
    f.DefineProperty(
        u"OriginName", [this](TReader& r) { Origin = r.ReadString(); }, [this](TWriter& w) { w.WriteString(Origin); },
        !Origin.empty());
  }
};

class TSample : public TComponent {
  FORMS_CLASS(TSample)
 public:
  explicit TSample(TComponent* owner) : TComponent(owner), Items(this, TSampleItem::StaticClass()) {
    Items.SetPropName(u"Items");
  }
  int Count = 0;
  bool Active = true;
  TFruit Fruit = TFruit::frApple;
  TSet<TFruit> Basket;
  std::u16string Caption;
  double Ratio = 0;
  char16_t Letter = 0;
  TColor Color = clBtnFace;
  TFont Font;
  TStringList Lines;
  TPicture Picture;
  TOwnedCollection Items;
  TSample* Link = nullptr;
  TNotifyEvent OnPing;

  void SetCount(int v) {
    if (v < 0) throw EComponentError(u"Count must not be negative");
    Count = v;
  }
};

class TSampleRoot : public TComponent {
  FORMS_CLASS(TSampleRoot)
 public:
  using TComponent::TComponent;
  TSample* First = nullptr;
  TSample* Second = nullptr;
  int pings = 0;
  TObject* lastSender = nullptr;
  std::vector<std::u16string> loadedOrder;
  void Ping(TObject* sender) {
    ++pings;
    lastSender = sender;
  }
  void Other(TObject*, bool&) {}
  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent*) const override {
    for (int i = 0; i < ComponentCount(); ++i) proc(Components(i));
  }
};

class TLoadProbe : public TSample {
  FORMS_CLASS(TLoadProbe)
 public:
  using TSample::TSample;
  void Loaded() override {
    TSample::Loaded();
    static_cast<TSampleRoot*>(Owner())->loadedOrder.push_back(Name());
  }
};

FORMS_DEFINE_CLASS(TSampleItem, TCollectionItem, [](auto& b) {
  b.String(u"Title", &TSampleItem::Title, [](TSampleItem* i, const std::u16string& v) { i->Title = v; });
  b.Integer(u"Value", &TSampleItem::Value, [](TSampleItem* i, std::int64_t v) { i->Value = static_cast<int>(v); });
})

FORMS_DEFINE_CLASS(TSample, TComponent, [](auto& b) {
  b.Integer(u"Count", &TSample::Count, &TSample::SetCount, 0);
  b.Bool(
      u"Active", &TSample::Active, [](TSample* s, bool v) { s->Active = v; }, true);
  b.Enum(
      u"Fruit", FruitInfo(), &TSample::Fruit, [](TSample* s, TFruit v) { s->Fruit = v; },
      std::optional(TFruit::frApple));
  b.Set(
      u"Basket", FruitInfo(), &TSample::Basket, [](TSample* s, TSet<TFruit> v) { s->Basket = v; }, TSet<TFruit>{});
  b.String(u"Caption", &TSample::Caption, [](TSample* s, const std::u16string& v) { s->Caption = v; });
  b.Float(
      u"Ratio", &TSample::Ratio, [](TSample* s, double v) { s->Ratio = v; }, 0.0);
  b.Char(u"Letter", &TSample::Letter, [](TSample* s, char16_t v) { s->Letter = v; });
  b.Integer(
      u"Color", &TSample::Color, [](TSample* s, TColor v) { s->Color = v; }, clBtnFace, &ColorIdents());
  b.Object(u"Font", [](TSample* s) { return &s->Font; });
  b.Object(u"Lines", [](TSample* s) { return &s->Lines; });
  b.Object(u"Picture", [](TSample* s) { return &s->Picture; });
  b.Object(u"Items", [](TSample* s) { return &s->Items; });
  b.template Component<TSample>(u"Link", &TSample::Link, [](TSample* s, TSample* v) { s->Link = v; });
  b.Event(u"OnPing", &TSample::OnPing);
})

FORMS_DEFINE_CLASS(TLoadProbe, TSample, [](auto&) {})

FORMS_DEFINE_CLASS(TSampleRoot, TComponent, [](auto& b) {
  b.Method(u"Ping", &TSampleRoot::Ping);
  b.Method(u"Other", &TSampleRoot::Other);
  b.Field(u"First", &TSampleRoot::First);
  b.Field(u"Second", &TSampleRoot::Second);
})

struct Registered {
  Registered() { RegisterClasses({&TSample::StaticClass(), &TSampleRoot::StaticClass(), &TLoadProbe::StaticClass()}); }
};

class Streaming : public ::testing::Test {
 protected:
  void SetUp() override { static Registered once; }
  void TearDown() override {
    if (root) root->Free();
  }
  TSampleRoot* Read(const std::string& text) {
    if (root) root->Free();  // a test may read several descriptions in turn
    root = New<TSampleRoot>(nullptr);
    ReadComponentFromText(root, text, u"Sample.form");
    return root;
  }
  std::string ErrorOf(const std::string& text) {
    try {
      Read(text);
    } catch (const base::Exception& e) {
      return e.ClassName() + ": " + base::Utf16ToUtf8(e.Message());
    }
    return "no error";
  }
  TSampleRoot* root = nullptr;
};

TEST_F(Streaming, ReadsEveryValueKind) {
  Read(R"(object Root: TSampleRoot
  object First: TSample
    Count = 42
    Active = False
    Fruit = frCherry
    Basket = [frApple, frCherry]
    Caption = 'It''s ' + 
      'joined'#13#10'line two'
    Ratio = 14.01
    Letter = 'x'
    Color = clBtnShadow
    Font.Name = 'Verdana'
    Font.Height = -13
    Font.Style = [fsBold]
    Lines.Strings = (
      'one'
      ''
      'three')
    Tag = $FF
    Link = Second
    OnPing = Ping
  end
  object Second: TSample
    Tag = -7
    Color = $00102030
  end
end
)");
  ASSERT_NE(root->First, nullptr);
  TSample* s = root->First;
  EXPECT_EQ(s->Count, 42);
  EXPECT_FALSE(s->Active);
  EXPECT_EQ(s->Fruit, TFruit::frCherry);
  EXPECT_EQ(s->Basket, (TSet<TFruit>{TFruit::frApple, TFruit::frCherry}));
  EXPECT_EQ(s->Caption, u"It's joined\r\nline two");
  EXPECT_DOUBLE_EQ(s->Ratio, 14.01);
  EXPECT_EQ(s->Letter, u'x');
  EXPECT_EQ(s->Color, clBtnShadow);
  EXPECT_EQ(s->Font.Name(), u"Verdana");
  EXPECT_EQ(s->Font.Height(), -13);
  EXPECT_EQ(s->Font.Size(), 10);
  EXPECT_TRUE(s->Font.Style().Contains(TFontStyle::fsBold));
  EXPECT_EQ(s->Lines.Text(), u"one\r\n\r\nthree\r\n");
  EXPECT_EQ(s->Tag(), 255);
  EXPECT_EQ(s->Link, root->Second);  // referenced before it existed
  ASSERT_TRUE(static_cast<bool>(s->OnPing));
  EXPECT_EQ(s->OnPing.HandlerName(), u"Ping");
  s->OnPing(s);
  EXPECT_EQ(root->pings, 1);
  EXPECT_EQ(root->lastSender, s);
  EXPECT_EQ(root->Second->Tag(), -7);
  EXPECT_EQ(root->Second->Color, 0x00102030u);
}

TEST_F(Streaming, CyrillicStringsFromCodesAndUtf8) {
  Read(
      "object Root: TSampleRoot\n  object First: TSample\n"
      "    Caption = #1055#1086#1083#1091#1095#1080#1090#1100' '#1089#1087#1080#1089#1086#1082 +\n"
      "      ' URL'\n"
      "  end\n  object Second: TSample\n    Caption = '\xD0\x98\xD0\xBD\xD1\x84\xD0\xBE'\n  end\nend\n");
  EXPECT_EQ(root->First->Caption, u"Получить список URL");
  EXPECT_EQ(root->Second->Caption, u"Инфо");
}

TEST_F(Streaming, CollectionsWithDefinedValuesAndALargeBinaryBlock) {
  // 200 KB of data, stored as hex in lines of 64 digits, as packed data is stored.
  std::vector<std::uint8_t> blob(200 * 1024);
  for (std::size_t i = 0; i < blob.size(); ++i) blob[i] = static_cast<std::uint8_t>((i * 131 + 7) >> 3);
  std::string hex;
  static const char kHex[] = "0123456789ABCDEF";
  for (std::size_t i = 0; i < blob.size(); ++i) {
    if (i % 32 == 0) hex += "\n          ";
    hex += kHex[blob[i] >> 4];
    hex += kHex[blob[i] & 15];
  }
  std::string text =
      "object Root: TSampleRoot\n  object First: TSample\n    Items = <\n      item\n"
      "        Title = 'Packed'\n        Value = 3\n        Data = {" +
      hex +
      "}\n        OriginName = 'Packed.asz'\n      end\n      item\n        Title = 'Second'\n"
      "      end>\n  end\nend\n";
  Read(text);
  TOwnedCollection& items = root->First->Items;
  ASSERT_EQ(items.Count(), 2);
  auto* a = static_cast<TSampleItem*>(items.Items(0));
  EXPECT_EQ(a->Title, u"Packed");
  EXPECT_EQ(a->Value, 3);
  EXPECT_EQ(a->Data, blob);
  EXPECT_EQ(a->Origin, u"Packed.asz");
  EXPECT_EQ(static_cast<TSampleItem*>(items.Items(1))->Title, u"Second");
  EXPECT_EQ(items.GetNamePath(), u"First.Items");
}

TEST_F(Streaming, PictureDataKeepsItsClassAndPixels) {
  TSampleRoot* r = New<TSampleRoot>(nullptr);
  auto* s = New<TSample>(r);
  s->SetName(u"First");
  TPngImage png;
  png.SetSize(3, 2);
  png.ScanLine(0)[0] = 0x80FF0000;  // half-transparent blue
  png.ScanLine(1)[2] = 0xFF00FF00;
  s->Picture.SetGraphic(&png);
  std::string text = TWriter::WriteRootComponent(r);
  r->Free();
  EXPECT_NE(text.find("Picture.Data = {"), std::string::npos);
  Read(text);
  auto* g = dynamic_cast<TPngImage*>(root->First->Picture.Graphic());
  ASSERT_NE(g, nullptr);
  EXPECT_EQ(g->Width(), 3);
  EXPECT_EQ(g->ScanLine(0)[0], 0x80FF0000u);
  EXPECT_EQ(g->ScanLine(1)[2], 0xFF00FF00u);
}

TEST_F(Streaming, WriterStoresOnlyValuesThatDifferFromDefaults) {
  TSampleRoot* r = New<TSampleRoot>(nullptr);
  r->SetName(u"Root");
  auto* s = New<TSample>(r);
  s->SetName(u"First");
  std::string plain = TWriter::WriteRootComponent(r);
  EXPECT_EQ(plain.find("Count"), std::string::npos);
  EXPECT_EQ(plain.find("Active"), std::string::npos);
  EXPECT_EQ(plain.find("  Color ="), std::string::npos);
  EXPECT_NE(plain.find("Font.Color = clWindowText"), std::string::npos);  // the font's colour has no default
  s->Count = 5;
  s->Active = false;
  s->Color = clWindow;
  s->Caption = u"Ок";
  s->Basket = {TFruit::frBanana};
  std::string text = TWriter::WriteRootComponent(r);
  EXPECT_NE(text.find("Count = 5"), std::string::npos);
  EXPECT_NE(text.find("Active = False"), std::string::npos);
  EXPECT_NE(text.find("  Color = clWindow"), std::string::npos);
  EXPECT_NE(text.find("Caption = #1054#1082"), std::string::npos);
  EXPECT_NE(text.find("Basket = [frBanana]"), std::string::npos);
  r->Free();
}

TEST_F(Streaming, RoundTripKeepsEverything) {
  Read(R"(object Root: TSampleRoot
  object First: TSample
    Count = 1
    Fruit = frBanana
    Caption = 'a''b'
    Ratio = 0.5
    Lines.Strings = (
      'x'
      'y')
    Items = <
      item
        Title = 'T'
        OriginName = 'O'
      end>
    Link = First
    OnPing = Ping
  end
end
)");
  std::string once = TWriter::WriteRootComponent(root);
  TDescriptionObject a = ParseDescription(once, u"a");
  root->Free();
  root = nullptr;
  Read(once);
  std::string twice = TWriter::WriteRootComponent(root);
  EXPECT_EQ(once, twice);
  EXPECT_EQ(root->First->Link, root->First);
  EXPECT_EQ(root->First->Lines.Count(), 2);
  EXPECT_EQ(a.children.size(), 1u);
}

TEST_F(Streaming, LoadedRunsOnEveryComponentAfterAllIsRead) {
  Read(
      "object Root: TSampleRoot\n  object A: TLoadProbe\n    Link = B\n  end\n"
      "  object B: TLoadProbe\n  end\nend\n");
  EXPECT_EQ(root->loadedOrder, (std::vector<std::u16string>{u"A", u"B"}));
  EXPECT_FALSE(root->FindComponent(u"A")->IsLoading());
  EXPECT_FALSE(root->IsLoading());
}

TEST_F(Streaming, ErrorsNameTheFileAndLine) {
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TNoSuchClass\n  end\nend\n"),
            "EClassNotFound: Sample.form, line 2: Class TNoSuchClass not found");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n    Colour = 1\n  end\nend\n"),
            "EReadError: Sample.form, line 3: Error reading X.Colour: Property Colour does not exist");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n    Font.Nme = 'a'\n  end\nend\n"),
            "EReadError: Sample.form, line 3: Error reading X.Font.Nme: Property Nme does not exist");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n\n    OnPing = Pong\n  end\nend\n"),
            "EReadError: Sample.form, line 4: Error reading X.OnPing: Method Pong not found in TSampleRoot");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n    OnPing = Other\n  end\nend\n"),
            "EReadError: Sample.form, line 3: Error reading X.OnPing: Method Other does not fit event OnPing");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n    Fruit = frKiwi\n  end\nend\n"),
            "EReadError: Sample.form, line 3: Error reading X.Fruit: Invalid property value frKiwi");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n    Count = 'ten'\n  end\nend\n"),
            "EReadError: Sample.form, line 3: Error reading X.Count: Invalid property value (a string)");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n    Count = -1\n  end\nend\n"),
            "EReadError: Sample.form, line 3: Error reading X.Count: Count must not be negative");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n    Link = Nobody\n  end\nend\n"),
            "EReadError: Sample.form, line 3: Error reading Link: Component Nobody not found");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n    Caption = 'open\n  end\nend\n"),
            "EParserError: Sample.form, line 3: Unterminated string");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n    Count 3\n  end\nend\n"),
            "EParserError: Sample.form, line 3: '=' expected");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n"),
            "EParserError: Sample.form, line 3: 'end' expected");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n  end\n  object X: TSample\n  end\nend\n"),
            "EReadError: Sample.form, line 4: A component named X already exists");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object First: TSampleRoot\n  end\nend\n"),
            "EReadError: Sample.form, line 2: Field First of TSampleRoot is not a TSampleRoot");
  EXPECT_EQ(ErrorOf("object Root: TSample\nend\n"),
            "EReadError: Sample.form, line 1: The description is of class TSample, not of TSampleRoot");
  EXPECT_EQ(ErrorOf("object Root: TSampleRoot\n  object X: TSample\n    Items = <\n      item\n        Data = {ABC}\n"
                    "      end>\n  end\nend\n"),
            "EParserError: Sample.form, line 5: Odd number of hexadecimal digits in binary value");
}

TEST_F(Streaming, RegisteredDescriptionsAreFoundByTheirRootClass) {
  RegisterDescription(u"Root.form", "object Root: TSampleRoot\n  object First: TSample\n    Count = 9\n  end\nend\n");
  std::string_view text;
  std::u16string file;
  ASSERT_TRUE(FindDescription(u"TSampleRoot", &text, &file));
  EXPECT_EQ(file, u"Root.form");
  root = New<TSampleRoot>(nullptr);
  ASSERT_TRUE(InitInheritedComponent(root));
  EXPECT_EQ(root->First->Count, 9);
  EXPECT_FALSE(FindDescription(u"TSample", nullptr, nullptr));
}

}  // namespace
}  // namespace forms
