#include "tests/support/temp_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "rom/page_pool.h"

namespace testsupport {

TempDir::TempDir(Place place) {
    namespace fs = std::filesystem;
    const char* tmpdir = std::getenv("TMPDIR");
    std::error_code error;
    fs::path base =
        tmpdir != nullptr && *tmpdir != 0 ? fs::path(tmpdir) : fs::temp_directory_path(error);
    if (place == Place::Memory && fs::is_directory("/dev/shm", error))
        base = "/dev/shm";
    std::random_device entropy;
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
        const fs::path candidate = base / ("kelvane-test-" + std::to_string(entropy()));
        if (fs::create_directory(candidate, error))
            m_path = candidate.string();
    }
    if (m_path.empty())
        ADD_FAILURE() << "cannot make a directory in " << base << ": " << error.message();
}

TempDir::~TempDir() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    // Read-only files would stay behind on Windows.
    for (auto it = fs::recursive_directory_iterator(m_path, ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored)) {
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    }
    fs::remove_all(m_path, ignored);
}

std::string TempDir::File(std::string_view name) const {
    return m_path + "/" + std::string(name);
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) {
        ADD_FAILURE() << "cannot create " << path << ": " << std::strerror(errno);
        return;
    }
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        ADD_FAILURE() << "cannot write " << path;
    }
    if (std::fclose(f) != 0)
        ADD_FAILURE() << "cannot close " << path;
}

Bytes ReadFile(const std::string& path) {
    Bytes bytes;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        ADD_FAILURE() << "cannot open " << path << ": " << std::strerror(errno);
        return bytes;
    }
    std::uint8_t buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    if (std::ferror(f))
        ADD_FAILURE() << "cannot read " << path;
    std::fclose(f);
    return bytes;
}

std::uint64_t FileSize(const std::string& path) {
    std::error_code error;
    std::uint64_t size = std::filesystem::file_size(path, error);
    if (error)
        ADD_FAILURE() << "cannot stat " << path << ": " << error.message();
    return size;
}

void WriteSparseFile(const std::string& path, std::uint64_t size,
                     const std::vector<Piece>& pieces) {
    WriteFile(path, {});
    std::error_code error;
    std::filesystem::resize_file(path, size, error);  // a hole wherever the file system can
    if (error)
        ADD_FAILURE() << "cannot size " << path << ": " << error.message();
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    for (const Piece& piece : pieces) {
        file.seekp(static_cast<std::streamoff>(piece.at));
        file.write(reinterpret_cast<const char*>(piece.bytes.data()),
                   static_cast<std::streamsize>(piece.bytes.size()));
    }
    file.close();
    if (!file)
        ADD_FAILURE() << "cannot write " << path;
}

Bytes ReadRange(const std::string& path, std::uint64_t at, std::size_t length) {
    Bytes bytes(length);
    std::ifstream file(path, std::ios::binary);
    file.seekg(static_cast<std::streamoff>(at));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(length));
    if (file.bad() || (file.fail() && !file.eof()))
        ADD_FAILURE() << "cannot read " << path;
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

Bytes BytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

Bytes RandomImageBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; i += 4) {
        std::uint32_t word = random();
        for (std::size_t j = 0; j < 4 && i + j < size; ++j) {
            std::uint8_t b = static_cast<std::uint8_t>(word >> (8 * j));
            if (b == 'N' || b == 0xB0)
                b ^= 0x01;
            bytes[i + j] = b;
        }
    }
    return bytes;
}

void Plant(Bytes& image, std::size_t at, const std::uint8_t* what, std::size_t length) {
    for (std::size_t i = 0; i < length && at + i < image.size(); ++i) image[at + i] = what[i];
}

void Plant(Bytes& image, std::size_t at, const Bytes& what) {
    Plant(image, at, what.data(), what.size());
}

void PlantMarker(Bytes& image, std::size_t at) {
    Plant(image, at, rom::kNkMarker.data(), rom::kNkMarker.size());
}

void PlantSignature(Bytes& image, std::size_t at) {
    Plant(image, at, rom::kPoolSignature.data(), rom::kPoolSignature.size());
}

void PlantValue(Bytes& image, std::size_t at, std::uint32_t value) {
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    Plant(image, at, bytes, sizeof bytes);
}

void PlantPool(Bytes& image, std::size_t signatureAt, std::uint32_t value) {
    PlantSignature(image, signatureAt);
    PlantValue(image, signatureAt + rom::kValueDistance, value);
}

Image MakeImage(std::uint32_t value, std::uint32_t seed) {
    Image image{RandomImageBytes(Image::kSize, seed)};
    PlantMarker(image.bytes, Image::kFirstMarker);
    PlantMarker(image.bytes, Image::kSecondMarker);
    PlantPool(image.bytes, Image::kSignature, value);
    return image;
}

std::vector<Piece> SparseImagePieces(std::uint64_t base, std::uint32_t value) {
    Bytes pool(rom::kValueDistance + 4);
    PlantPool(pool, 0, value);
    for (std::size_t i = rom::kPoolSignature.size(); i < rom::kValueDistance; ++i) pool[i] = 0x5A;
    const Bytes marker(rom::kNkMarker.begin(), rom::kNkMarker.end());
    return {{base + Image::kFirstMarker, marker},
            {base + Image::kSecondMarker, marker},
            {base + Image::kSignature, pool}};
}

MessageCapture::MessageCapture()
    : m_previous(platform::InstallMessageSink(
          [this](std::string_view text) { m_texts.emplace_back(text); })) {}

MessageCapture::~MessageCapture() {
    platform::InstallMessageSink(std::move(m_previous));
}

}  // namespace testsupport
