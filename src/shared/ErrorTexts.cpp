#include "ErrorTexts.h"

#include "BitmapCheck.h"

namespace brimblet {

std::string ErrorText(const std::exception* error, const Catalogue& catalogue) {
    if (error == nullptr) {
        return catalogue.Text(N_("Unexpected error"));
    }
    if (const auto* picture = dynamic_cast<const PictureError*>(error)) {
        return picture->Text(catalogue);
    }
    return error->what();
}

}  // namespace brimblet
