#include "platform/forms/Strings.h"

#include <algorithm>
#include <iterator>

#include "platform/base/Errors.h"
#include "platform/base/Files.h"
#include "platform/base/NumberText.h"
#include "platform/base/TextCase.h"
#include "platform/base/Unicode.h"
#include "platform/forms/Filer.h"
#include "platform/forms/SysUtils.h"

namespace forms {

namespace {

[[noreturn]] void IndexError(int index) {
  throw EListError(u"List index out of bounds (" + base::IntToText(index) + u")");
}

}  // namespace

// --- TStrings -------------------------------------------------------------------------------

void TStrings::Put(int index, const std::u16string& s) {
  TObject* obj = GetObject(index);
  Delete(index);
  Insert(index, s);
  PutObject(index, obj);
}

TObject* TStrings::GetObject(int) const { return nullptr; }
void TStrings::PutObject(int, TObject*) {}

int TStrings::Add(const std::u16string& s) {
  int n = Count();
  Insert(n, s);
  return n;
}

int TStrings::AddObject(const std::u16string& s, TObject* obj) {
  int i = Add(s);
  PutObject(i, obj);
  return i;
}

void TStrings::AddStrings(const TStrings& other) {
  BeginUpdate();
  try {
    for (int i = 0; i < other.Count(); ++i) AddObject(other.Get(i), other.GetObject(i));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

int TStrings::IndexOf(const std::u16string& s) const {
  for (int i = 0; i < Count(); ++i)
    if (CaseSensitive() ? Get(i) == s : base::EqualsIgnoreUiCase(Get(i), s)) return i;
  return -1;
}

void TStrings::Move(int from, int to) {
  if (from == to) return;
  BeginUpdate();
  std::u16string s = Get(from);
  TObject* o = GetObject(from);
  Delete(from);
  Insert(to, s);
  PutObject(to, o);
  EndUpdate();
}

void TStrings::Exchange(int a, int b) {
  BeginUpdate();
  std::u16string sa = Get(a), sb = Get(b);
  TObject *oa = GetObject(a), *ob = GetObject(b);
  Put(a, sb);
  PutObject(a, ob);
  Put(b, sa);
  PutObject(b, oa);
  EndUpdate();
}

std::u16string TStrings::Text() const {
  std::u16string s;
  for (int i = 0; i < Count(); ++i) {
    s += Get(i);
    s += u"\r\n";
  }
  return s;
}

void TStrings::SetText(const std::u16string& text) {
  BeginUpdate();
  try {
    Clear();
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find_first_of(u"\r\n", start);
      if (end == std::u16string::npos) {
        Add(text.substr(start));
        break;
      }
      Add(text.substr(start, end - start));
      start = end + ((text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1);
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

std::u16string TStrings::CommaText() const {
  std::u16string out;
  for (int i = 0; i < Count(); ++i) {
    std::u16string s = Get(i);
    if (i) out += u',';
    if (s.empty() || s.find_first_of(u" ,\"\t") != std::u16string::npos) {
      out += u'"';
      for (char16_t c : s) {
        if (c == u'"') out += u'"';
        out += c;
      }
      out += u'"';
    } else {
      out += s;
    }
  }
  return out;
}

std::u16string TStrings::Names(int index) const {
  std::u16string s = Get(index);
  std::size_t eq = s.find(u'=');
  return eq == std::u16string::npos ? std::u16string() : s.substr(0, eq);
}

int TStrings::IndexOfName(const std::u16string& name) const {
  for (int i = 0; i < Count(); ++i) {
    std::u16string s = Get(i);
    std::size_t eq = s.find(u'=');
    if (eq != std::u16string::npos && base::EqualsIgnoreUiCase(std::u16string_view(s).substr(0, eq), name)) return i;
  }
  return -1;
}

std::u16string TStrings::Values(const std::u16string& name) const {
  int i = IndexOfName(name);
  if (i < 0) return {};
  std::u16string s = Get(i);
  return s.substr(s.find(u'=') + 1);
}

void TStrings::SetValue(const std::u16string& name, const std::u16string& value) {
  int i = IndexOfName(name);
  if (value.empty()) {
    if (i >= 0) Delete(i);
  } else if (i < 0) {
    Add(name + u"=" + value);
  } else {
    Put(i, name + u"=" + value);
  }
}

void TStrings::BeginUpdate() {
  if (updateCount_++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

void TStrings::Assign(const TPersistent* source) {
  if (auto* s = dynamic_cast<const TStrings*>(source)) {
    if (s == this) return;
    BeginUpdate();
    try {
      Clear();
      AddStrings(*s);
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
    return;
  }
  TPersistent::Assign(source);
}

bool TStrings::Equals(const TStrings& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Get(i) != other.Get(i)) return false;
  return true;
}

void TStrings::DefineProperties(TFiler& filer) {
  filer.DefineProperty(
      u"Strings",
      [this](TReader& r) {
        BeginUpdate();
        try {
          Clear();
          r.ReadListBegin();
          while (!r.EndOfList()) Add(r.ReadString());
          r.ReadListEnd();
        } catch (...) {
          EndUpdate();
          throw;
        }
        EndUpdate();
      },
      [this](TWriter& w) {
        w.WriteListBegin();
        for (int i = 0; i < Count(); ++i) w.WriteString(Get(i));
        w.WriteListEnd();
      },
      Count() > 0);
}

void TStrings::LoadFromFile(const std::u16string& path) {
  const std::vector<std::uint8_t> raw = LoadFileBytes(path);
  std::string bytes(raw.begin(), raw.end());
  std::u16string text;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
      text +=
          static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
  } else {
    std::string_view v(bytes);
    if (v.size() >= 3 && v.substr(0, 3) == "\xEF\xBB\xBF") v.remove_prefix(3);
    text = base::Utf8ToUtf16(v);
  }
  SetText(text);
}

void TStrings::SaveToFile(const std::u16string& path) const {
  const base::FileWriteResult r =
      base::WriteFileBytes(base::NativePath(path), base::Utf16ToUtf8(Text()), base::FileReplace::InPlace);
  if (r.failure == base::FileWriteFailure::Create) throw base::EFCreateError(u"Cannot create file \"" + path + u"\"");
  if (!r.Ok()) throw base::EWriteError(u"Stream write error");
}

// --- TStringList ------------------------------------------------------------------------------

void TStringList::CheckIndex(int index, bool allowEnd) const {
  if (index < 0 || index > Count() || (!allowEnd && index == Count())) IndexError(index);
}

std::u16string TStringList::Get(int index) const {
  CheckIndex(index, false);
  return items_[static_cast<std::size_t>(index)].text;
}

void TStringList::Put(int index, const std::u16string& s) {
  if (sorted_) throw EListError(u"Operation not allowed on sorted list");
  CheckIndex(index, false);
  Changing();
  items_[static_cast<std::size_t>(index)].text = s;
  Changed();
}

TObject* TStringList::GetObject(int index) const {
  CheckIndex(index, false);
  return items_[static_cast<std::size_t>(index)].object;
}

void TStringList::PutObject(int index, TObject* obj) {
  CheckIndex(index, false);
  Changing();
  items_[static_cast<std::size_t>(index)].object = obj;
  Changed();
}

void TStringList::Insert(int index, const std::u16string& s) {
  if (sorted_) throw EListError(u"Operation not allowed on sorted list");
  CheckIndex(index, true);
  Changing();
  items_.insert(items_.begin() + index, Item{s, nullptr});
  Changed();
}

int TStringList::Add(const std::u16string& s) {
  if (!sorted_) return TStrings::Add(s);
  int index;
  if (Find(s, index)) {
    if (duplicates_ == TDuplicates::dupIgnore) return index;
    if (duplicates_ == TDuplicates::dupError) throw EListError(u"String list does not allow duplicates");
  }
  Changing();
  items_.insert(items_.begin() + index, Item{s, nullptr});
  Changed();
  return index;
}

void TStringList::Delete(int index) {
  CheckIndex(index, false);
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

void TStringList::SetText(const std::u16string& text) { TStrings::SetText(text); }

int TStringList::Compare(const std::u16string& a, const std::u16string& b) const {
  if (caseSensitive_) return a.compare(b);
  return base::ToLowerUi(a).compare(base::ToLowerUi(b));
}

int TStringList::IndexOf(const std::u16string& s) const {
  if (!sorted_) {
    for (int i = 0; i < Count(); ++i)
      if (Compare(items_[static_cast<std::size_t>(i)].text, s) == 0) return i;
    return -1;
  }
  int index;
  return Find(s, index) ? index : -1;
}

bool TStringList::Find(const std::u16string& s, int& index) const {
  int lo = 0, hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    int mid = (lo + hi) / 2;
    int c = Compare(items_[static_cast<std::size_t>(mid)].text, s);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) {
        found = true;
        if (duplicates_ != TDuplicates::dupAccept) lo = mid;
      }
    }
  }
  index = lo;
  return found;
}

void TStringList::Sort() {
  Changing();
  std::stable_sort(items_.begin(), items_.end(),
                   [this](const Item& a, const Item& b) { return Compare(a.text, b.text) < 0; });
  Changed();
}

void TStringList::SetSorted(bool v) {
  if (v == sorted_) return;
  if (v) Sort();
  sorted_ = v;
}

void TStringList::SetCaseSensitive(bool v) {
  if (v == caseSensitive_) return;
  caseSensitive_ = v;
  if (sorted_) Sort();
}

void TStringList::SetUpdateState(bool updating) {
  if (updating) {
    if (OnChanging) OnChanging(this);
  } else if (OnChange) {
    OnChange(this);
  }
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

}  // namespace forms
