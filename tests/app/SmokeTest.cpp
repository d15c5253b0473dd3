#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>

// The toolkit is up: an off-screen bitmap can be drawn into and read back.
TEST(Toolkit, DrawsIntoMemoryBitmap) {
    wxBitmap bitmap(8, 8, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxRED_BRUSH);
        dc.Clear();
    }
    const wxImage image = bitmap.ConvertToImage();
    EXPECT_EQ(image.GetRed(3, 3), 255);
    EXPECT_EQ(image.GetGreen(3, 3), 0);
}
