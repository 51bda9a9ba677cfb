#include "LanguageFace.h"

#include <QWidget>

namespace {

const QString kDesignFamily = QStringLiteral("Comic Sans MS");

}  // namespace

QString LanguageFamily(const brimblet::Catalogue& texts) {
    return texts.InDesignFace() ? kDesignFamily : QString::fromUtf8(texts.Faces().freeFace);
}

QFont InLanguageFace(QFont font, const brimblet::Catalogue& texts) {
    if (font.family() == kDesignFamily) {
        font.setFamily(LanguageFamily(texts));
    }
    return font;
}

void DrawInLanguageFace(QWidget& window, const brimblet::Catalogue& texts) {
    if (!texts.InDesignFace()) {
        window.setStyleSheet(window.styleSheet().replace(QLatin1Char('"') + kDesignFamily + QLatin1Char('"'),
                                                         QLatin1Char('"') + LanguageFamily(texts) + QLatin1Char('"')));
    }
}
