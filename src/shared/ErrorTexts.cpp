#include "ErrorTexts.h"

#include "BitmapCheck.h"

namespace brimblet {

std::string ErrorText(std::exception_ptr error, const Catalogue& catalogue) {
    try {
        if (error) {
            std::rethrow_exception(error);
        }
    } catch (const PictureError& picture) {
        return picture.Text(catalogue);
    } catch (const std::exception& other) {
        return other.what();
    } catch (...) {
    }
    return catalogue.Text(N_("Unexpected error"));
}

}  // namespace brimblet
