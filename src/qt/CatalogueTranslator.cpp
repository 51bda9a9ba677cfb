#include "CatalogueTranslator.h"

QString CatalogueTranslator::translate(const char*, const char* sourceText, const char*, int) const {
    if (sourceText == nullptr) {
        return {};
    }
    const char* text = texts_.Text(sourceText);
    return text == sourceText ? QString() : QString::fromUtf8(text);  // none: Qt keeps the source
}
