#pragma once
// The web addresses the info window opens and the contact address it shows.
namespace app {

inline constexpr const char16_t* kMakerPage = u"https://orvanta.example.com/";
inline constexpr const char16_t* kDonationPageOne = u"https://donate.example.org/orvanta";
inline constexpr const char16_t* kDonationPageTwo = u"https://tips.example.net/to/orvanta";

}  // namespace app
