// Costs of the framework on the paths the program takes: reading a description that
// carries a packed binary block of a few hundred KB (the stored skin), making a form
// with its controls from a description, and filling a memo line by line in one batch.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/forms/Application.h"
#include "platform/forms/ClassBuilder.h"
#include "platform/forms/Filer.h"
#include "platform/forms/StdCtrls.h"
#include "platform/win/Headless.h"
#include "platform/win/MessageApi.h"

namespace {
using namespace forms;

// A component holding packed data as a defined binary value, as a stored skin does.
class TPacked : public TComponent {
  FORMS_CLASS(TPacked)
 public:
  using TComponent::TComponent;
  std::vector<std::uint8_t> data;
  void DefineProperties(TFiler& f) override {
    f.DefineBinaryProperty(
        u"Data", [this](std::span<const std::uint8_t> d) { data.assign(d.begin(), d.end()); },
        [this](std::vector<std::uint8_t>& out) { out = data; }, !data.empty());
  }
};
FORMS_DEFINE_CLASS(TPacked, TComponent, [](auto&) {})

class TBenchRoot : public TComponent {
  FORMS_CLASS(TBenchRoot)
 public:
  using TComponent::TComponent;
};
FORMS_DEFINE_CLASS(TBenchRoot, TComponent, [](auto&) {})

std::string PackedDescription(std::size_t bytes) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string s = "object Root: TBenchRoot\n  object Packed1: TPacked\n    Data = {";
  s.reserve(bytes * 2 + bytes / 16 + 100);
  for (std::size_t i = 0; i < bytes; ++i) {
    if (i % 32 == 0) s += "\n      ";
    auto b = static_cast<std::uint8_t>(i * 2654435761u >> 13);
    s += kHex[b >> 4];
    s += kHex[b & 15];
  }
  s += "}\n  end\nend\n";
  return s;
}

void BM_ReadPackedBinary(benchmark::State& state) {
  RegisterClasses({&TPacked::StaticClass(), &TBenchRoot::StaticClass()});
  std::string text = PackedDescription(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    auto* root = New<TBenchRoot>(nullptr);
    ReadComponentFromText(root, text, u"Bench.form");
    benchmark::DoNotOptimize(root->ComponentCount());
    root->Free();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadPackedBinary)->Arg(200 * 1024)->Arg(400 * 1024)->Unit(benchmark::kMillisecond);

class TBenchForm : public TForm {
  FORMS_CLASS(TBenchForm)
 public:
  using TForm::TForm;
};
FORMS_DEFINE_CLASS(TBenchForm, TForm, [](auto&) {})

const char* kForm = R"(object BenchForm: TBenchForm
  ClientHeight = 546
  ClientWidth = 654
  Font.Height = -11
  Font.Name = 'Tahoma'
  object GroupBox1: TGroupBox
    Height = 65
    Align = alTop
    Caption = 'One'
    Font.Height = -13
    TabOrder = 0
    object Button1: TButton
      Left = 520
      Top = 22
      Width = 113
      Height = 28
      TabOrder = 0
    end
    object Edit1: TEdit
      Left = 24
      Top = 24
      Width = 489
      TabOrder = 1
    end
  end
  object GroupBox2: TGroupBox
    Top = 65
    Height = 392
    Align = alTop
    Caption = 'Two'
    TabOrder = 2
    object Memo1: TMemo
      Align = alClient
      ScrollBars = ssVertical
      TabOrder = 0
    end
  end
  object GroupBox3: TGroupBox
    Top = 457
    Height = 80
    Align = alTop
    Caption = 'Three'
    TabOrder = 1
    object Button2: TButton
      Left = 272
      Top = 32
      TabOrder = 0
    end
  end
end
)";

void BM_CreateAndShowForm(benchmark::State& state) {
  win::headless::Start();
  RegisterClass(TBenchForm::StaticClass());
  RegisterDescription(u"Bench.form", kForm);
  for (auto _ : state) {
    TBenchForm* f = nullptr;
    Application->CreateForm(f);
    f->Show();
    win::RunUntilIdle();
    f->Free();
  }
  TApplicationRef::Reset();
}
BENCHMARK(BM_CreateAndShowForm)->Unit(benchmark::kMillisecond);

void BM_MemoLinesInOneBatch(benchmark::State& state) {
  win::headless::Start();
  auto* f = New<TForm>(Application.Get());
  f->SetBounds(0, 0, 600, 400);
  auto* memo = New<TMemo>(f);
  memo->SetParent(f);
  memo->SetAlign(TAlign::alClient);
  f->Show();
  win::RunUntilIdle();
  std::u16string line = u"http://www.example.org/some/page/of/the/site.html";
  for (auto _ : state) {
    memo->Lines()->Clear();
    memo->Lines()->BeginUpdate();
    for (int i = 0; i < state.range(0); ++i) memo->Lines()->Add(line);
    memo->Lines()->EndUpdate();
    win::RunUntilIdle();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  TApplicationRef::Reset();
}
BENCHMARK(BM_MemoLinesInOneBatch)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
