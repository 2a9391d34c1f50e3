#include "images/image_store.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TEST(ImageStore, AcquiringANameTwiceSharesOneCountedImage) {
    ImageStore store;
    EXPECT_EQ(store.AcquireImage(""), nullptr);
    cImage* a = store.AcquireImage("C:\\Work\\a.bmp");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->RefCount, 1u);
    EXPECT_EQ(a->FileName, "C:\\Work\\a.bmp");
    // A new image is empty: every field but the count and the name is zero.
    EXPECT_EQ(a->Transparent, 0);
    EXPECT_EQ(a->DataLength(), 0u);
    EXPECT_EQ(store.AcquireImage("C:\\Work\\a.bmp"), a);
    EXPECT_EQ(a->RefCount, 2u);
    // Names are compared exactly.
    cImage* upper = store.AcquireImage("C:\\Work\\A.bmp");
    EXPECT_NE(upper, a);
    EXPECT_EQ(store.FindImage("C:\\Work\\a.bmp"), a);
    EXPECT_EQ(store.FindImage("C:\\Work\\a.bm"), nullptr);
    EXPECT_EQ(a->RefCount, 2u); // finding takes no count
    ASSERT_EQ(store.Images().size(), 2u);
    EXPECT_EQ(store.Images()[1].get(), upper); // new images go to the end
}

TEST(ImageStore, ReleasingTheLastCountDestroysTheImage) {
    ImageStore store;
    cImage* a = store.AcquireImage("a.bmp");
    store.AcquireImage("a.bmp");
    cImage* held = a;
    store.ReleaseImage(held);
    EXPECT_EQ(held, nullptr); // the variable is cleared in every case
    EXPECT_EQ(a->RefCount, 1u);
    held = a;
    store.ReleaseImage(held);
    EXPECT_EQ(store.FindImage("a.bmp"), nullptr);
    EXPECT_TRUE(store.Images().empty());
    cImage* none = nullptr;
    store.ReleaseImage(none); // nothing to release, nothing happens
    EXPECT_EQ(none, nullptr);
}

TEST(ImageStore, DiscardDestroysWhateverTheCountAndReturnsIt) {
    ImageStore store;
    store.AcquireImage("a.bmp");
    store.AcquireImage("a.bmp");
    store.AcquireImage("a.bmp");
    store.AcquireImage("b.bmp");
    EXPECT_EQ(store.DiscardImage("a.bmp"), 3u);
    EXPECT_EQ(store.FindImage("a.bmp"), nullptr);
    EXPECT_EQ(store.DiscardImage("a.bmp"), 0u);
    EXPECT_EQ(store.Images().size(), 1u);
}

TEST(ImageStore, ReleaseAllEmptiesTheStoreWhateverTheCounts) {
    ImageStore store;
    for (const char* name : {"a.bmp", "b.bmp", "a.bmp", "c.bmp", "c.bmp", "c.bmp"})
        store.AcquireImage(name);
    store.ReleaseAllImages();
    EXPECT_TRUE(store.Images().empty());
}

} // namespace
} // namespace pw
