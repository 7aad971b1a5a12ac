// Picking with the mouse: entities by a click, by a window or a crossing, the selection shown
// highlighted, and a dragged set shown where the cursor is.
#include <QImage>

#include "WindowFixture.h"
#include "editor/EditorPrompts.h"
#include "editor/EditorSelection.h"
#include "editor/EntityNames.h"
#include "editor/PickFirst.h"
#include "editor/PromptInput.h"
#include "db/ResBuf.h"

namespace window_test {

namespace {

class Picking : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        auto database = platform::NewDrawingDatabase();
        database_ = database.get();
        // A short line, a slanted one to its right, and a long one above both.
        shortLine = AddLine({0, 0, 0}, {10, 0, 0});
        slanted = AddLine({20, 0, 0}, {30, 10, 0});
        longLine = AddLine({0, 20, 0}, {30, 20, 0});
        Show(std::move(database));
    }

    // The ids of the set, which is freed.
    static std::vector<AcDbObjectId> Members(ads_name ss) {
        std::vector<AcDbObjectId> ids;
        Adesk::Int32 length = 0;
        acedSSLength(ss, &length);
        for (Adesk::Int32 i = 0; i < length; ++i) {
            ads_name entity;
            AcDbObjectId id;
            if (acedSSName(ss, i, entity) == RTNORM && acdbGetObjectId(id, entity) == Acad::eOk) ids.push_back(id);
        }
        acedSSFree(ss);
        return ids;
    }

    std::vector<AcDbObjectId> Select(std::vector<std::function<void()>> steps) {
        steps.push_back([this] { Click(Device(0, 0), Qt::RightButton); });
        Steps(std::move(steps));
        ads_name ss;
        if (acedSSGet(nullptr, nullptr, nullptr, nullptr, ss) != RTNORM) return {};
        return Members(ss);
    }

    // Pixels in the highlight's colour (edges are smoothed into the background: a pixel
    // counts by its hue).
    int HighlightedPixels() {
        const QImage image = View().grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const QColor c = image.pixelColor(x, y); c.blue() > c.red() + 60) ++count;
        return count;
    }

    // The line "Command: " reads, the steps run while it waits.
    static std::string AtCommandPrompt(std::vector<std::function<void()>> steps) {
        Steps(std::move(steps));
        const platform::ScopedPrompt waiting(platform::PromptKind::Command);
        return platform::ReadPromptedLine(L"\nCommand: ").value_or("(end)");
    }

    // Cancels the prompt of that kind should one be asked.
    void CancelIfAsked(platform::PromptKind kind) {
        QTimer::singleShot(0, [this, kind] {
            if (platform::CurrentPrompt().kind == kind) window->Input().Submit("^C");
        });
    }

    void TearDown() override {
        platform::ClearPickFirst();
        WindowTest::TearDown();
    }

    AcDbObjectId shortLine, slanted, longLine;
};

using Ids = std::vector<AcDbObjectId>;

}  // namespace

TEST_F(Picking, AClickPicksTheEntityUnderTheCursorAndAMissPicksNothing) {
    // A few pixels off the line still hit it; the slanted line's empty corner of its extents does not.
    EXPECT_EQ(Select({[&] { Click(Device(5, 0) + QPoint(0, 2)); }}), Ids{shortLine});
    EXPECT_EQ(Select({[&] { Click(Device(29, 1)); }, [&] { Click(Device(25, 20)); }}), (Ids{longLine}));
    EXPECT_EQ(Select({[&] { Click(Device(25, 5)); }}), Ids{slanted});
}

TEST_F(Picking, DraggingLeftToRightSelectsByWindowRightToLeftByCrossing) {
    // The rectangle x 5..25, y -2..12: holds no line whole, touches the short and the slanted.
    EXPECT_EQ(Select({[&] { Drag(Qt::LeftButton, Device(5, -2), Device(25, 12)); }}), Ids{});
    EXPECT_EQ(Select({[&] { Drag(Qt::LeftButton, Device(25, 12), Device(5, -2)); }}), (Ids{shortLine, slanted}));
    // A window around the lower two lines.
    EXPECT_EQ(Select({[&] { Drag(Qt::LeftButton, Device(-1, -1), Device(31, 11)); }}), (Ids{shortLine, slanted}));
    const std::string transcript = window->Commands()->Transcript();
    EXPECT_NE(transcript.find("2 found, 2 total"), std::string::npos) << transcript;
}

TEST_F(Picking, TheChosenEntitiesAreShownHighlighted) {
    int before = -1, after = -1;
    Select({[&] { before = HighlightedPixels(); }, [&] { Click(Device(15, 20)); }, [&] { after = HighlightedPixels(); }});
    EXPECT_EQ(before, 0);
    EXPECT_GT(after, 100);  // the long line, in the highlight's colour
}

// Noun first, then the verb: an object clicked at "Command: " is shown picked, and the command
// named next takes it instead of asking: a prompt for one object, or "Select objects:" as far
// as the command's filter lets it through. It is taken once.
TEST_F(Picking, AnObjectPickedAtTheCommandPromptIsWhatTheNextCommandWorksOn) {
    int highlighted = -1;
    EXPECT_EQ(AtCommandPrompt({[&] { Click(Device(15, 20)); }, [&] { highlighted = HighlightedPixels(); },
                               [&] { window->Input().Submit("LIST"); }}),
              "LIST");
    EXPECT_GT(highlighted, 100);  // the long line and its grips
    EXPECT_EQ(platform::PickFirst(), Ids{longLine});
    ads_name entity;
    ads_point at;
    CancelIfAsked(platform::PromptKind::Entity);
    ASSERT_EQ(acedEntSel(L"\nSelect object: ", entity, at), RTNORM);
    AcDbObjectId taken;
    ASSERT_EQ(acdbGetObjectId(taken, entity), Acad::eOk);
    EXPECT_EQ(taken, longLine);
    EXPECT_TRUE(platform::PickFirst().empty());

    // Selecting objects takes all that was picked (here by a second click, which picks anew).
    AtCommandPrompt({[&] { Click(Device(5, 0)); }, [&] { window->Input().Submit("ERASE"); }});
    CancelIfAsked(platform::PromptKind::Selection);
    ads_name ss;
    ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
    EXPECT_EQ(Members(ss), Ids{shortLine});

    // What the filter keeps out is not taken: the command asks, and here gets nothing.
    AtCommandPrompt({[&] { Click(Device(5, 0)); }, [&] { window->Input().Submit("LIST"); }});
    resbuf* tablesOnly = acutBuildList(RTDXF0, L"ACAD_TABLE", RTNONE);
    Steps({[&] { Click(Device(0, 0), Qt::RightButton); }});
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, tablesOnly, ss), RTERROR);
    acutRelRb(tablesOnly);
}

TEST_F(Picking, EscapeOrAClickOnNothingLetsThePickedObjectGo) {
    int picked = -1, afterEscape = -1;
    AtCommandPrompt({[&] { Click(Device(15, 20)); }, [&] { picked = HighlightedPixels(); },
                     [&] { QTest::keyClick(window->Commands()->Input(), Qt::Key_Escape); }, [&] { afterEscape = HighlightedPixels(); },
                     [&] { window->Input().Submit("X"); }});
    EXPECT_GT(picked, 100);
    EXPECT_EQ(afterEscape, 0);
    EXPECT_TRUE(platform::PickFirst().empty());
    AtCommandPrompt({[&] { Click(Device(15, 20)); }, [&] { Click(Device(15, 10)); }, [&] { window->Input().Submit("X"); }});
    EXPECT_TRUE(platform::PickFirst().empty());
    EXPECT_EQ(HighlightedPixels(), 0);
}

TEST_F(Picking, ADraggedSetFollowsTheCursorUntilTheClick) {
    ads_name ss;
    ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss), RTNORM);
    ads_name entity;
    ASSERT_EQ(acdbGetAdsName(entity, longLine), Acad::eOk);
    ASSERT_EQ(acedSSAdd(entity, ss, ss), RTNORM);
    // Moved by the cursor's point, as the table builder drags a new table from the origin.
    auto translate = [](ads_point p, ads_matrix m) {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) m[r][c] = r == c;
        m[0][3] = p[0], m[1][3] = p[1] - 20;
        return RTNORM;
    };
    auto draggedAt = [&](QPoint at) {
        const QImage image = View().grab().toImage();
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy)
                if (const QColor c = image.pixelColor(at + QPoint(dx, dy)); c.red() > c.blue() + 60) return true;
        return false;
    };
    bool followed = false, leftItsPlace = false;
    const QPoint to = Device(0, 5);
    Steps({[&] { Move(to); },
           [&] {
               // The line's start is under the cursor, its middle 15 units to the right.
               followed = draggedAt(Device(15, 5));
               leftItsPlace = !draggedAt(Device(15, 20));
           },
           [&] { Click(to); }});
    ads_point picked;
    ASSERT_EQ(acedDragGen(ss, L"\nSpecify insertion point: ", 0, translate, picked), RTNORM);
    EXPECT_TRUE(followed);
    EXPECT_TRUE(leftItsPlace);
    const QPointF expected = View().ToWorld(to);
    EXPECT_NEAR(picked[0], expected.x(), 0.01 / View().View().Scale());
    EXPECT_NEAR(picked[1], expected.y(), 0.01 / View().View().Scale());
    acedSSFree(ss);
}

}  // namespace window_test
