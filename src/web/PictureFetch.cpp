#include "PictureFetch.h"

#include <emscripten.h>

#include "PictureFiles.h"

namespace {

struct Fetch {
    FetchedPictures files;
    std::size_t unanswered = 0;
    std::function<void(const FetchedPictures&)> done;
};

struct Request {
    Fetch* fetch;
    std::string file;
};

void Answered(Request* request, FetchedFile bytes) {
    Fetch* fetch = request->fetch;
    fetch->files[request->file] = std::move(bytes);
    delete request;
    if (--fetch->unanswered == 0) {
        fetch->done(fetch->files);
        delete fetch;
    }
}

}  // namespace

void FetchPictures(std::function<void(const FetchedPictures&)> done) {
    auto* fetch = new Fetch{{}, brimblet::kPictureFiles.size(), std::move(done)};
    for (const char* file : brimblet::kPictureFiles) {
        emscripten_async_wget_data(
            file, new Request{fetch, file},
            [](void* request, void* data, int size) {
                const auto* bytes = static_cast<const unsigned char*>(data);
                Answered(static_cast<Request*>(request),
                         std::vector<unsigned char>(bytes, bytes + size));
            },
            [](void* request) { Answered(static_cast<Request*>(request), std::nullopt); });
    }
}
