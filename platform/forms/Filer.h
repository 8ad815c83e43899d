#pragma once
// Reading and writing stored window descriptions.
//
// TReader applies a parsed description to a root component: it makes the nested
// components by class name (owned by the root, parented by the enclosing object), sets
// properties in stored order, binds events to the root's methods by name, fills the
// root's component fields, resolves component references once everything exists, and
// finally calls Loaded on every component read. Any unknown class, property, value,
// method or component is an EReadError that names the description file and line.
//
// TWriter does the reverse: it stores the published properties that differ from their
// defaults, the defined extra values, and the components a root's GetChildren nests.
//
// Objects store values that are not published properties through DefineProperties: a
// value (read and written with TReader/TWriter value calls) or a binary block.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/base/Errors.h"

namespace forms {

class TComponent;
class TPersistent;
class TObject;
struct TDescriptionValue;
struct TDescriptionObject;
struct TPropInfo;

struct EParserError : base::Exception {
  explicit EParserError(std::u16string m) : base::Exception("EParserError", std::move(m)) {}
};
using base::EReadError;
struct EClassNotFound : base::Exception {
  explicit EClassNotFound(std::u16string m) : base::Exception("EClassNotFound", std::move(m)) {}
};
struct EResNotFound : base::Exception {
  explicit EResNotFound(std::u16string m) : base::Exception("EResNotFound", std::move(m)) {}
};

class TReader;
class TWriter;

using TBinaryReader = std::function<void(std::span<const std::uint8_t>)>;
using TBinaryWriter = std::function<void(std::vector<std::uint8_t>&)>;

// Collects the extra values an object defines, for the reader or the writer.
class TFiler {
 public:
  struct Defined {
    std::u16string name;
    std::function<void(TReader&)> read;
    std::function<void(TWriter&)> write;
    TBinaryReader readBinary;
    TBinaryWriter writeBinary;
    bool hasData = false;
    bool binary = false;
  };

  // `hasData`: whether the writer stores the value now.
  void DefineProperty(const std::u16string& name, std::function<void(TReader&)> read,
                      std::function<void(TWriter&)> write, bool hasData);
  void DefineBinaryProperty(const std::u16string& name, TBinaryReader read, TBinaryWriter write, bool hasData);
  const std::vector<Defined>& Definitions() const { return defined_; }
  const Defined* Find(const std::u16string& name) const;

 private:
  std::vector<Defined> defined_;
};

class TReader {
 public:
  TReader(TComponent* root, std::u16string fileName);

  // Reads the whole description into the root (whose class must be the described one).
  void ReadRootComponent(const TDescriptionObject& description);

  TComponent* Root() const { return root_; }
  const std::u16string& FileName() const { return fileName_; }
  // The component whose properties are being read, and the parent the next nested
  // component gets.
  TComponent* Current() const { return current_; }
  TComponent* Parent() const { return parent_; }

  // Reads the properties and nested components of the component being read (called by
  // TComponent::ReadState, so that a class can act before and after).
  void ReadData(TComponent* c);

  // Values of a defined property, read in order: the value itself, or, inside a list,
  // its elements one by one.
  std::u16string ReadString();
  std::int64_t ReadInteger();
  double ReadFloat();
  bool ReadBoolean();
  std::u16string ReadIdent();
  void ReadListBegin();
  bool EndOfList() const;
  void ReadListEnd();

  // Raises EReadError at the line being read.
  [[noreturn]] void Error(const std::u16string& message) const;

 private:
  void ReadComponent(const TDescriptionObject& node, TComponent* parent);
  void ReadProperties(TPersistent* obj, const std::vector<struct TDescriptionProperty>& props,
                      const std::u16string& path);
  void ReadProperty(TPersistent* obj, const TDescriptionProperty& prop, const std::u16string& path);
  void ReadPropValue(TPersistent* obj, const TPropInfo& info, const TDescriptionValue& v);
  void ReadCollection(class TCollection* coll, const TDescriptionValue& v);
  void ReadDefined(TPersistent* obj, const TDescriptionProperty& prop, const std::u16string& name);
  const TDescriptionValue& NextValue();
  void FixupReferences();
  TComponent* FindComponentRef(const std::u16string& name) const;

  struct Fixup {
    TPersistent* obj;
    const TPropInfo* prop;
    std::u16string name;
    int line;
  };
  struct ListPos {
    const TDescriptionValue* list;
    std::size_t index;
  };

  TComponent* root_;
  std::u16string fileName_;
  TComponent* current_ = nullptr;
  TComponent* parent_ = nullptr;
  std::u16string currentPath_;
  int line_ = 0;
  std::vector<TComponent*> loaded_;
  std::vector<Fixup> fixups_;
  const TDescriptionObject* node_ = nullptr;  // the description of the component being read
  const TDescriptionValue* value_ = nullptr;  // the defined property's value
  bool valueTaken_ = false;
  std::vector<ListPos> lists_;
};

class TWriter {
 public:
  // The description of a root and the components it nests, as text.
  static std::string WriteRootComponent(TComponent* root);

  // Values of a defined property (in a list after WriteListBegin).
  void WriteString(const std::u16string& s);
  void WriteInteger(std::int64_t v);
  void WriteFloat(double v);
  void WriteBoolean(bool v);
  void WriteIdent(const std::u16string& s);
  void WriteListBegin();
  void WriteListEnd();

  TComponent* Root() const { return root_; }

 private:
  explicit TWriter(TComponent* root) : root_(root) {}
  void WriteComponent(TComponent* c, TDescriptionObject& node);
  void WriteProperties(TPersistent* obj, const std::u16string& prefix, std::vector<struct TDescriptionProperty>& out);
  void Put(TDescriptionValue v);

  TComponent* root_;
  std::vector<TDescriptionValue*> target_;  // where the next value goes
};

// Stored descriptions known to the program, registered at start-up (embedded into the
// executable by the build) or at run time. A description is found by the class name of
// its root object ("object Form1: TForm1" is the description of TForm1).
void RegisterDescription(const std::u16string& fileName, std::string_view text);
// The text and file name of the description of a class; false when there is none.
bool FindDescription(const std::u16string& className, std::string_view* text, std::u16string* fileName);

// Reads the registered description of root's class into root. False when none exists.
bool InitInheritedComponent(TComponent* root);
// Reads a description text into root.
void ReadComponentFromText(TComponent* root, std::string_view text, const std::u16string& fileName);

}  // namespace forms
