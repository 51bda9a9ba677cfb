#include "MessageTemplate.h"

namespace brimblet {

std::string FillTemplate(std::string_view text, const TemplateValue* values, std::size_t count) {
    std::string filled;
    filled.reserve(text.size() + 16);
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('{', at);
        const std::size_t close = open == std::string_view::npos ? open : text.find('}', open);
        if (close == std::string_view::npos) {
            break;
        }
        filled.append(text, at, open - at);
        const std::string_view key = text.substr(open + 1, close - open - 1);
        const TemplateValue* value = nullptr;
        for (std::size_t i = 0; i < count && value == nullptr; ++i) {
            if (values[i].first == key) {
                value = &values[i];
            }
        }
        if (value != nullptr) {
            filled.append(value->second);
        } else {
            filled.append(text, open, close - open + 1);
        }
        at = close + 1;
    }
    filled.append(text, at, std::string_view::npos);
    return filled;
}

}  // namespace brimblet
