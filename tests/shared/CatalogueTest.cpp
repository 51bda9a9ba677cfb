#include <gtest/gtest.h>

#include "BitmapCheck.h"
#include "Catalogue.h"
#include "ErrorTexts.h"
#include "NameLength.h"

using brimblet::Catalogue;

TEST(CatalogueTest, choosesTheFirstListedLanguageTheGameHasAndEnglishOtherwise) {
    const auto code = [](const std::vector<std::string>& languages) {
        return std::string(Catalogue::Preferred(languages).Code());
    };
    EXPECT_EQ(code({"fr-CA"}), "fr");
    EXPECT_EQ(code({"pt_BR.UTF-8"}), "pt");
    EXPECT_EQ(code({"ja-JP", "PL"}), "pl");
    EXPECT_EQ(code({"en-GB", "de"}), "en");  // English is one the game has
    EXPECT_EQ(code({"ja", "C", "POSIX", ""}), "en");
    EXPECT_EQ(Catalogue::All().size(), 8u);  // English and the seven of po/LINGUAS
}

TEST(CatalogueTest, givesEachLanguagesTextsFilledAndEnglishForATextItLacks) {
    const Catalogue& german = Catalogue::Preferred({"de"});
    EXPECT_STREQ(german.Text("Cancel"), "Abbruch");
    EXPECT_STREQ(german.Text("no such text"), "no such text");
    EXPECT_EQ(german.Game().PositionOf("Jörg"), "Jörgs Position:");
    EXPECT_EQ(Catalogue::English().Game().PositionOf(""), "s position:");
    using brimblet::FillTemplate;  // each place once, a name's braces kept as typed
    EXPECT_EQ(FillTemplate("{name} scored a : {value}", {{"name", "{value}"}, {"value", "6"}}), "{value} scored a : 6");
    EXPECT_EQ(FillTemplate("{name}{name} {other} {", {{"name", "Zoë"}}), "ZoëZoë {other} {");
}

TEST(CatalogueTest, reportsAPictureFileInThePlayersLanguageAndTheProgramsFaultsAsRaised) {
    const Catalogue& french = Catalogue::Preferred({"fr"});
    const brimblet::PictureError large(brimblet::N_("Bitmap image is too large ({width} x {height} pixels)"),
                                       {{"width", "5000"}, {"height", "4000"}});
    EXPECT_STREQ(large.what(), "Bitmap image is too large (5000 x 4000 pixels)");
    EXPECT_EQ(brimblet::ErrorText(&large, french), "L'image bitmap est trop grande (5000 x 4000 pixels)");
    EXPECT_EQ(brimblet::ErrorText(nullptr, french), "Erreur inattendue");
    const std::runtime_error fault("The page has no element Memo1");
    EXPECT_EQ(brimblet::ErrorText(&fault, french), "The page has no element Memo1");
}

TEST(CatalogueTest, countsANamesCharactersAsThePlayerSeesThem) {
    using brimblet::VisibleCharacters;
    EXPECT_EQ(VisibleCharacters("\xC5\x81ucja Zo\xC3\xAB"), 9u);               // Łucja Zoë, ë one code point
    EXPECT_EQ(VisibleCharacters("Zoe\xCC\x88"), 3u);                            // e and its two dots
    EXPECT_EQ(VisibleCharacters("\xF0\x9F\x91\x8B\xF0\x9F\x8F\xBD!"), 2u);      // a waving hand, tanned
    EXPECT_EQ(VisibleCharacters("\xF0\x9F\x87\xB5\xF0\x9F\x87\xB1\xF0\x9F\x87\xA9\xF0\x9F\x87\xAA"), 2u);  // PL, DE
    EXPECT_EQ(VisibleCharacters("\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7"), 1u);  // woman, joiner, girl
    EXPECT_EQ(VisibleCharacters("\xCC\x88\xFF\xC3"), 3u);  // a lone mark, then bytes that are no UTF-8
}
