#include "ElfSection.h"

#include <elf.h>

#include <cstring>
#include <fstream>

namespace sandbox
{
namespace
{
// Reads parts of a file by offset, refusing any range outside it.
class FileReader
{
public:
    explicit FileReader(const std::string& path)
        : m_stream(path, std::ios::binary | std::ios::ate)
    {
        if (m_stream)
            m_size = uint64_t(m_stream.tellg());
    }

    bool IsOpen() const { return bool(m_stream); }
    uint64_t Size() const { return m_size; }

    // Whether [offset, offset + size) lies inside the file, without overflowing.
    bool Contains(uint64_t offset, uint64_t size) const { return offset <= m_size && size <= m_size - offset; }

    std::optional<std::string> Read(uint64_t offset, uint64_t size)
    {
        if (!Contains(offset, size))
            return std::nullopt;
        std::string bytes(size, '\0');
        m_stream.seekg(std::streamoff(offset));
        if (!m_stream.read(bytes.data(), std::streamsize(size)))
            return std::nullopt;
        return bytes;
    }

    template<typename T>
    std::optional<T> ReadStruct(uint64_t offset)
    {
        const std::optional<std::string> bytes = Read(offset, sizeof(T));
        if (!bytes)
            return std::nullopt;
        T value;
        std::memcpy(&value, bytes->data(), sizeof(T));
        return value;
    }

private:
    std::ifstream m_stream;
    uint64_t m_size = 0;
};
}

std::optional<std::string> ReadElfSection(const std::string& path, const std::string& sectionName,
                                          std::string& error)
{
    FileReader file(path);
    if (!file.IsOpen())
    {
        error = "cannot open the file";
        return std::nullopt;
    }

    const std::optional<Elf64_Ehdr> header = file.ReadStruct<Elf64_Ehdr>(0);
    if (!header || std::memcmp(header->e_ident, ELFMAG, SELFMAG) != 0)
    {
        error = "not an ELF file";
        return std::nullopt;
    }
    if (header->e_ident[EI_CLASS] != ELFCLASS64 || header->e_ident[EI_DATA] != ELFDATA2LSB)
    {
        error = "not a 64-bit little-endian ELF file";
        return std::nullopt;
    }
    if (header->e_shentsize != sizeof(Elf64_Shdr) || header->e_shnum == 0 ||
        !file.Contains(header->e_shoff, uint64_t(header->e_shnum) * sizeof(Elf64_Shdr)) ||
        header->e_shstrndx >= header->e_shnum)
    {
        error = "section headers missing or out of bounds";
        return std::nullopt;
    }

    auto sectionHeader = [&](unsigned index) {
        return file.ReadStruct<Elf64_Shdr>(header->e_shoff + uint64_t(index) * sizeof(Elf64_Shdr));
    };
    const std::optional<Elf64_Shdr> names = sectionHeader(header->e_shstrndx);
    const std::optional<std::string> nameTable = names ? file.Read(names->sh_offset, names->sh_size) : std::nullopt;
    if (!nameTable)
    {
        error = "section name table out of bounds";
        return std::nullopt;
    }

    for (unsigned i = 0; i < header->e_shnum; ++i)
    {
        const std::optional<Elf64_Shdr> section = sectionHeader(i);
        if (!section || section->sh_name >= nameTable->size())
            continue;
        if (std::string_view(nameTable->c_str() + section->sh_name) != sectionName)
            continue;
        std::optional<std::string> contents;
        if (section->sh_type != SHT_NOBITS)
            contents = file.Read(section->sh_offset, section->sh_size);
        if (!contents)
            error = "section " + sectionName + " has no contents in the file";
        return contents;
    }
    error = "no " + sectionName + " section";
    return std::nullopt;
}
}
