#pragma once

#include <QTranslator>

#include "Catalogue.h"

// Qt's translator over the game's own catalogue: the windows' designs (.ui) are translated
// as they are built, each text looked up by its English.
class CatalogueTranslator : public QTranslator {
    Q_OBJECT
public:
    explicit CatalogueTranslator(const brimblet::Catalogue& texts, QObject* parent = nullptr)
        : QTranslator(parent), texts_(texts) {}

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    const brimblet::Catalogue& texts_;
};
