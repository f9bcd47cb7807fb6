#include "base/SharedName.h"

namespace tceditor
{
SharedName::SharedName(std::string_view text)
{
    const size_t size = text.size();
    std::shared_ptr<char[]> block = std::make_shared<char[]>(sizeof(size) + size + 1);
    std::memcpy(block.get(), &size, sizeof(size));
    std::memcpy(block.get() + sizeof(size), text.data(), size);
    m_block = std::move(block);
}
}
