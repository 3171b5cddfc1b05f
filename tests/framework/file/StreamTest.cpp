#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/file/ORVStream.h"
#include "framework/xml/XmlTestFiles.h"

namespace {

// The sizes of successive reads of a whole file, as a caller reads it: until a piece is short.
std::vector<u32> PieceSizes(const std::string& path, std::string* bytes = nullptr)
{
    CORVStream* stream = CORVStream::GetSingleton();
    ORVStreamHandle* handle = stream->Open(path.c_str());
    EXPECT_NE(handle, nullptr);
    std::vector<u32> sizes;
    std::vector<char> piece(CORVStream::kPieceSize);
    for (;;) {
        const u32 n = stream->Read(handle, piece.data());
        sizes.push_back(n);
        if (bytes != nullptr) {
            bytes->append(piece.data(), n);
        }
        if (n < CORVStream::kPieceSize) {
            break;
        }
    }
    EXPECT_EQ(stream->Close(handle), 0);
    return sizes;
}

}  // namespace

TEST(Stream, FilesAreReadIn1024BytePieces)
{
    XmlTempDir dir;
    ASSERT_TRUE(dir.IsValid());
    struct Case {
        std::size_t size;
        std::vector<u32> pieces;
    } cases[] = {
        {0, {0}},
        {2048, {1024, 1024, 0}},
        {1500, {1024, 476}},
    };
    for (const Case& c : cases) {
        std::string content(c.size, '\0');
        for (std::size_t i = 0; i < c.size; ++i) {
            content[i] = static_cast<char>(i * 7);
        }
        const std::string path = dir.Write("f" + std::to_string(c.size), content);
        std::string read;
        EXPECT_EQ(PieceSizes(path, &read), c.pieces) << c.size;
        EXPECT_EQ(read, content) << c.size;
    }
}

TEST(Stream, MissingFilesAndNullHandles)
{
    CORVStream* stream = CORVStream::GetSingleton();
    EXPECT_EQ(stream, CORVStream::GetSingleton());
    EXPECT_STREQ(stream->GetRootPath(), "../");
    EXPECT_EQ(stream->Open("/nonexistent/dir/none.txt"), nullptr);
    EXPECT_EQ(stream->Open(nullptr), nullptr);
    char buffer[CORVStream::kPieceSize] = {'x'};
    EXPECT_EQ(stream->Read(nullptr, buffer), 0u);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(stream->Close(nullptr), 0);
}

TEST(Stream, MemoryImagesAreReadInPiecesAndReleasedOnClose)
{
    std::vector<unsigned char> bytes(1030, 0x5A);
    ORVStreamMemImage image{bytes.data(), static_cast<u32>(bytes.size()), 1};
    auto* handle = new ORVStreamHandle{&image, 0, CORVStream::kFirstMemImageIndex};
    CORVStream* stream = CORVStream::GetSingleton();
    std::vector<unsigned char> piece(CORVStream::kPieceSize);
    EXPECT_EQ(stream->Read(handle, piece.data()), 1024u);
    EXPECT_EQ(stream->Read(handle, piece.data()), 6u);
    EXPECT_EQ(stream->Read(handle, piece.data()), 0u);
    EXPECT_EQ(handle->m_nPosition, 1030u);
    EXPECT_EQ(stream->Close(handle), 1);
    EXPECT_EQ(image.m_bInUse, 0);
}
