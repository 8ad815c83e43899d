// Internal skins: lookup by name and the values streamed with the window description.
#include <gtest/gtest.h>

#include "skin/data/acSkinErrors.h"
#include "skin/data/sStoredSkins.h"

namespace skin {
namespace {

TEST(TsStoredSkins, IndexOfComparesNamesExactly) {
  TsStoredSkins skins;
  skins.Add().Name = u"Emberfield (internal)";
  skins.Add().Name = u"Meadow";
  skins.Add().Name = u"Meadow";
  EXPECT_EQ(skins.IndexOf(u"Meadow"), 1);
  EXPECT_EQ(skins.IndexOf(u"meadow"), -1);
  EXPECT_EQ(skins.IndexOf(u"Emberfield (internal)"), 0);
  EXPECT_EQ(skins.IndexOf(u""), -1);
  skins.Delete(1);
  EXPECT_EQ(skins.IndexOf(u"Meadow"), 1);
  EXPECT_THROW(skins.Delete(5), EListError);
}

TEST(TsStoredSkins, ItemsKeepTheirAddress) {
  TsStoredSkins skins;
  TsStoredSkin& first = skins.Add();
  for (int i = 0; i < 100; ++i) skins.Add();
  first.Name = u"kept";
  EXPECT_EQ(skins[0].Name, u"kept");
}

TEST(TsStoredSkin, DefaultsAreNotStored) {
  const TsStoredSkin item;
  EXPECT_EQ(item.Shadow1Blur, -1);
  EXPECT_EQ(item.BorderColor, 0xFF00FFu);
  EXPECT_TRUE(item.StoredProperties().empty());
}

TEST(TsStoredSkin, StoredValuesComeInPropertyOrderWithDataAndOriginNameLast) {
  TsStoredSkin item;
  item.OrigName = u"Emberfield.asz";
  item.PackedData = {1, 2, 3};
  item.Author = u"A. Author";
  item.Version = 14.01;
  item.Name = u"Emberfield (internal)";
  item.BorderColor = 0;
  const std::vector<TsStoredProperty> props = item.StoredProperties();
  std::vector<std::string> names;
  for (const auto& p : props) names.push_back(p.Name);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "BorderColor", "Version", "Author", "Data", "OriginName"}));
  EXPECT_EQ(std::get<double>(props[2].Value), 14.01);
  EXPECT_EQ(std::get<std::vector<std::uint8_t>>(props[4].Value), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(TsStoredSkin, SetPropertyReadsBackWhatWasStored) {
  TsStoredSkin item;
  item.Name = u"N";
  item.MasterBitmap = {9};
  item.Shadow1Color = 0x123456;
  item.Shadow1Offset = 2;
  item.Shadow1Blur = 3;
  item.Shadow1Transparency = 40;
  item.BorderColor = 0x00FF00;
  item.Version = 14.01;
  item.Author = u"Автор";
  item.Description = u"d";
  item.PackedData = {1, 2};
  item.OrigName = u"N.asz";
  TsStoredSkin copy;
  for (const TsStoredProperty& p : item.StoredProperties())
    EXPECT_EQ(copy.SetProperty(p.Name, p.Value), TsSetPropertyResult::Ok) << p.Name;
  EXPECT_EQ(copy.StoredProperties().size(), 12u);
  EXPECT_EQ(copy.Author, item.Author);
  EXPECT_EQ(copy.PackedData, item.PackedData);
  EXPECT_EQ(copy.OrigName, item.OrigName);
  EXPECT_EQ(copy.Shadow1Color, item.Shadow1Color);
  EXPECT_EQ(copy.Version, item.Version);
  ASSERT_EQ(TsStoredSkin::PropertyNames().size(), 12u);
  EXPECT_EQ(TsStoredSkin::PropertyNames().front(), "Name");
  EXPECT_EQ(TsStoredSkin::PropertyNames().back(), "OriginName");
}

TEST(TsStoredSkin, SetPropertyRefusesUnknownNamesAndWrongKinds) {
  TsStoredSkin item;
  EXPECT_EQ(item.SetProperty("Colour", std::int64_t(1)), TsSetPropertyResult::UnknownProperty);
  EXPECT_EQ(item.SetProperty("Name", std::int64_t(1)), TsSetPropertyResult::WrongKind);
  EXPECT_EQ(item.SetProperty("Shadow1Offset", std::int64_t(1) << 40), TsSetPropertyResult::WrongKind);
  EXPECT_EQ(item.SetProperty("Version", std::int64_t(14)), TsSetPropertyResult::Ok);
  EXPECT_EQ(item.Version, 14.0);
  // Colours may come as negative 32-bit numbers.
  EXPECT_EQ(item.SetProperty("BorderColor", std::int64_t(-16777216)), TsSetPropertyResult::Ok);
  EXPECT_EQ(item.BorderColor, 0xFF000000u);
}

}  // namespace
}  // namespace skin
