// Form bodies as the service receives them: parsing and recognising must never crash,
// and a parsed body has no empty or repeated names.
#include "codec/ServiceRequestParse.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vesrin::service;
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const auto fields = ParseFormBody(body);
    if (!fields) return 0;
    for (std::size_t i = 0; i < fields->size(); ++i) {
        if ((*fields)[i].Name.empty()) std::abort();
        if (FieldValue(*fields, (*fields)[i].Name) != &(*fields)[i].Value) std::abort();
    }
    for (ServiceArea area : {ServiceArea::Account, ServiceArea::WorldTop, ServiceArea::Stat, ServiceArea::Tour})
        (void)RecogniseRequest(area, *fields);
    for (const auto& field : *fields) {
        (void)ParseInteger(field.Value);
        (void)ParseRatingField(field.Value);
    }
    return 0;
}
