#pragma once
// Lists of text lines. TStrings is the interface every list shares (the lines, their
// text joined with CR LF, batch updates); TStringList keeps its lines in memory and tells
// about changes; controls provide lists over their own text (a memo's Lines).
// Stored in descriptions as `Lines.Strings = ( 'one' 'two' )`.
#include <string>
#include <vector>

#include "platform/forms/Classes.h"

namespace forms {

class TStrings : public TPersistent {
  FORMS_CLASS(TStrings)
 public:
  virtual int Count() const = 0;
  virtual std::u16string Get(int index) const = 0;
  virtual void Put(int index, const std::u16string& s);
  virtual TObject* GetObject(int index) const;
  virtual void PutObject(int index, TObject* obj);
  virtual void Insert(int index, const std::u16string& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  std::u16string operator[](int index) const { return Get(index); }
  virtual int Add(const std::u16string& s);
  int AddObject(const std::u16string& s, TObject* obj);
  void AddStrings(const TStrings& other);
  virtual int IndexOf(const std::u16string& s) const;
  void Move(int from, int to);
  void Exchange(int a, int b);

  // Every line followed by CR LF. Setting splits at CR LF, CR or LF; a final line
  // break adds no empty line.
  virtual std::u16string Text() const;
  virtual void SetText(const std::u16string& text);
  // Lines joined with commas; lines with blanks, commas or quotes are quoted.
  std::u16string CommaText() const;

  // name=value lines.
  std::u16string Names(int index) const;
  std::u16string Values(const std::u16string& name) const;
  void SetValue(const std::u16string& name, const std::u16string& value);
  int IndexOfName(const std::u16string& name) const;

  // Batches of changes: listeners hear once, when the outermost batch ends.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  void Assign(const TPersistent* source) override;
  bool Equals(const TStrings& other) const;
  void DefineProperties(TFiler& filer) override;

  // Files: UTF-8 (or UTF-16 with its byte-order mark); the file system's path rules.
  void LoadFromFile(const std::u16string& path);
  void SaveToFile(const std::u16string& path) const;

 protected:
  // The batch state changed (true: a batch began).
  virtual void SetUpdateState(bool updating);
  virtual bool CaseSensitive() const { return false; }

 private:
  int updateCount_ = 0;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
  FORMS_CLASS(TStringList)
 public:
  TStringList() = default;

  int Count() const override { return static_cast<int>(items_.size()); }
  std::u16string Get(int index) const override;
  void Put(int index, const std::u16string& s) override;
  TObject* GetObject(int index) const override;
  void PutObject(int index, TObject* obj) override;
  void Insert(int index, const std::u16string& s) override;
  void Delete(int index) override;
  void Clear() override;
  int Add(const std::u16string& s) override;
  int IndexOf(const std::u16string& s) const override;
  void SetText(const std::u16string& text) override;

  bool Sorted() const { return sorted_; }
  void SetSorted(bool v);
  void Sort();
  // Binary search in a sorted list; index gets the position found or to insert at.
  bool Find(const std::u16string& s, int& index) const;
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates d) { duplicates_ = d; }
  void SetCaseSensitive(bool v);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool updating) override;
  bool CaseSensitive() const override { return caseSensitive_; }
  virtual void Changed();
  virtual void Changing();

 private:
  struct Item {
    std::u16string text;
    TObject* object = nullptr;
  };
  int Compare(const std::u16string& a, const std::u16string& b) const;
  void CheckIndex(int index, bool allowEnd) const;

  std::vector<Item> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  TDuplicates duplicates_ = TDuplicates::dupIgnore;
};

}  // namespace forms
