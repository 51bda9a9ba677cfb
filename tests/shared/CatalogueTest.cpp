#include <gtest/gtest.h>

#include "BitmapCheck.h"
#include "Catalogue.h"
#include "ErrorTexts.h"

using brimblet::Catalogue;

namespace {

std::string CodeFor(const std::vector<std::string>& languages) {
    return std::string(Catalogue::Preferred(languages).Code());
}

}  // namespace

TEST(CatalogueTest, choosesTheFirstListedLanguageTheGameHasAndEnglishOtherwise) {
    EXPECT_EQ(CodeFor({"fr-CA"}), "fr");
    EXPECT_EQ(CodeFor({"pt_BR.UTF-8"}), "pt");
    EXPECT_EQ(CodeFor({"ja"}), "en");
    EXPECT_EQ(CodeFor({"ja-JP", "PL"}), "pl");
    EXPECT_EQ(CodeFor({"en-GB", "de"}), "en");  // English is one the game has
    EXPECT_EQ(CodeFor({"C", "POSIX", ""}), "en");
    EXPECT_EQ(CodeFor({}), "en");
    EXPECT_EQ(Catalogue::All().size(), 8u);  // English and the seven of po/LINGUAS
}

TEST(CatalogueTest, givesEachLanguagesTextAndEnglishForATextItLacks) {
    const Catalogue& german = Catalogue::Preferred({"de"});
    EXPECT_STREQ(german.Text("Cancel"), "Abbruch");
    EXPECT_STREQ(german.Text("no such text"), "no such text");
    EXPECT_STREQ(Catalogue::English().Text("Cancel"), "Cancel");
    EXPECT_EQ(german.Game().PositionOf("Jörg"), "Jörgs Position:");
    EXPECT_EQ(Catalogue::English().Game().PositionOf(""), "s position:");
    EXPECT_EQ(Catalogue::Preferred({"pl"}).Fill("Cannot open file {file}", {{"file", "d1.bmp"}}),
              "Nie można otworzyć pliku d1.bmp");
}

TEST(CatalogueTest, fillsEachPlaceOnceAndLeavesANamesBracesAsTyped) {
    using brimblet::FillTemplate;
    EXPECT_EQ(FillTemplate("{name} scored a : {value}", {{"name", "{value}"}, {"value", "6"}}), "{value} scored a : 6");
    EXPECT_EQ(FillTemplate("{name}{name} {other} {", {{"name", "Zoë"}}), "ZoëZoë {other} {");
    EXPECT_EQ(FillTemplate("}{", {}), "}{");
}

TEST(CatalogueTest, reportsAPictureFileInThePlayersLanguageWithItsNameAndNumbers) {
    const Catalogue& french = Catalogue::Preferred({"fr"});
    try {
        brimblet::FailCannotOpen("brimb.bmp");
        FAIL();
    } catch (const brimblet::PictureError& error) {
        EXPECT_STREQ(error.what(), "Cannot open file brimb.bmp");
        EXPECT_EQ(brimblet::ErrorText(&error, french), "Impossible d'ouvrir le fichier brimb.bmp");
    }
    const brimblet::PictureError large(brimblet::N_("Bitmap image is too large ({width} x {height} pixels)"),
                                       {{"width", "5000"}, {"height", "4000"}});
    EXPECT_EQ(large.Text(french), "L'image bitmap est trop grande (5000 x 4000 pixels)");
    EXPECT_EQ(brimblet::ErrorText(nullptr, french), "Erreur inattendue");
    const std::runtime_error fault("The page has no element Memo1");
    EXPECT_EQ(brimblet::ErrorText(&fault, french), "The page has no element Memo1");
}
