#include "VclProbes.h"

#include "platform/vcl/TSplitter.h"

#include <gtest/gtest.h>

namespace {

class TSplitterTest : public TVclFixture {};

} // namespace

TEST_F(TSplitterTest, DraggingResizesTheAlignedNeighbourWithinMinSize) {
    // 300 wide: the neighbour (100) and the splitter (3) leave 197 for the client-aligned rest.
    struct Case {
        TAlign align;
        int dx;       // drag distance (dy for top and bottom)
        int expected; // neighbour size afterwards
    } cases[] = {
        {alLeft, 50, 150},   {alLeft, -40, 60}, {alLeft, -200, 30}, // stops at MinSize
        {alLeft, 500, 267},                                         // leaves MinSize for the rest
        {alRight, -50, 150}, {alRight, 60, 40}, {alTop, 20, 120},   {alBottom, -30, 130},
    };
    for (const Case& c : cases) {
        const bool horizontal = c.align == alLeft || c.align == alRight;
        TForm* form = MakeForm(0, 0, horizontal ? 300 : 100, horizontal ? 100 : 300);
        auto* rest = new TProbePanel(form);
        rest->SetParent(form);
        rest->SetAlign(alClient);
        auto* neighbour = new TProbePanel(form);
        neighbour->SetParent(form);
        neighbour->SetBounds(0, 0, 100, 100);
        neighbour->SetAlign(c.align);
        auto* splitter = new TSplitter(form);
        splitter->SetParent(form);
        splitter->SetAlign(c.align);
        // Placed beyond the neighbour so that aligning puts it next to it.
        if (horizontal)
            splitter->SetBounds(c.align == alLeft ? 150 : 10, 0, 3, 100);
        else
            splitter->SetBounds(0, c.align == alTop ? 150 : 10, 100, 3);
        int moved = 0;
        splitter->OnMoved = [&](TObject*) { ++moved; };
        form->Show();
        Session.Pump();
        ASSERT_EQ(splitter->FindControl(), neighbour) << c.align;
        EXPECT_EQ(splitter->Cursor(), horizontal ? crSizeWE : crSizeNS);

        TPoint from = Centre(splitter);
        TPoint to = horizontal ? TPoint{from.X + c.dx, from.Y} : TPoint{from.X, from.Y + c.dx};
        Session.Drag(from, to, 5);
        Session.Pump();
        EXPECT_EQ(horizontal ? neighbour->Width() : neighbour->Height(), c.expected)
            << c.align << " " << c.dx;
        // The splitter stays beside its neighbour and the rest fills what is left.
        const TRect n = neighbour->BoundsRect(), s = splitter->BoundsRect();
        switch (c.align) {
        case alLeft:
            EXPECT_EQ(s.Left, n.Right);
            break;
        case alRight:
            EXPECT_EQ(s.Right, n.Left);
            break;
        case alTop:
            EXPECT_EQ(s.Top, n.Bottom);
            break;
        default:
            EXPECT_EQ(s.Bottom, n.Top);
            break;
        }
        EXPECT_EQ(horizontal ? rest->Width() : rest->Height(), 300 - 3 - c.expected);
        EXPECT_EQ(moved, 1);
        form->Free();
        Owned.clear();
    }
}
