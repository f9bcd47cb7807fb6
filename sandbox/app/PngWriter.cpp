// PNG output through stb_image_write; its implementation is compiled here,
// once for the whole program.
#include "Display.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace sandbox
{
namespace
{
void AppendToFile(void* context, void* data, int size)
{
    auto* file = static_cast<std::FILE*>(context);
    std::fwrite(data, 1, size_t(size), file);
}
}

bool WritePng(const std::string& path, int width, int height, const void* pixels, int pitch, std::string& error)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
    {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool encoded = stbi_write_png_to_func(AppendToFile, file, width, height, 4, pixels, pitch) != 0;
    const bool written = !std::ferror(file);
    if (std::fclose(file) != 0 || !encoded || !written)
    {
        error = "cannot write " + path + (encoded ? ": write error" : ": PNG encoding failed");
        std::remove(path.c_str());
        return false;
    }
    return true;
}
}
