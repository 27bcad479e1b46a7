// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lister/tzx_tape.h"

#include <algorithm>

namespace murax::lister {

TzxTape::TzxTape(NativeFile& file, FileTapeSource& opened) : file_(file), opened_(opened)
{
    const auto size = file.seekable() ? file.regularFileSize() : std::nullopt;
    if (size) {
        size_ = *size;
    } else {
        whole_ = std::make_unique<std::string>();
        for (std::string_view piece;
             !(piece = opened.bytesAt(whole_->size(), FileTapeSource::kCapacity)).empty();)
            *whole_ += piece;
        size_ = whole_->size();
    }
}

const tzx::Summary& TzxTape::summary()
{
    if (!summary_)
        summary_ = tzx::summarise(newPass(), size_);
    return *summary_;
}

bool TzxTape::failed() const
{
    return opened_.failed() ||
           std::any_of(filePasses_.begin(), filePasses_.end(),
                       [](const MappedTapeSource* pass) { return pass->failed(); });
}

TapeSource& TzxTape::newPass()
{
    if (whole_) {
        passes_.push_back(std::make_unique<MemoryTapeSource>(*whole_));
    } else {
        auto pass = std::make_unique<MappedTapeSource>(file_, size_);
        filePasses_.push_back(pass.get());
        passes_.push_back(std::move(pass));
    }
    return *passes_.back();
}

}  // namespace murax::lister
