#pragma once
// A play view that paints through one view and reports every call to a second one, so a
// benchmark or a test can watch a game in the real window.
#include "game/host.h"

namespace quorelin {

class ObservedView : public PlayView {
public:
    ObservedView(PlayView& painter, PlayView& observer) : painter_(painter), observer_(observer) {}

    void SetUpHeading(double t) override { Both(&PlayView::SetUpHeading, t); }
    void DrawBlock(const Block& b, int c, int r) override { Both(&PlayView::DrawBlock, b, c, r); }
    void EraseCell(int c, int r) override { Both(&PlayView::EraseCell, c, r); }
    void DrawSolved(int c, int r) override { Both(&PlayView::DrawSolved, c, r); }
    void DrawStone(int c, int r) override { Both(&PlayView::DrawStone, c, r); }
    void RedrawField(int n, const PlayField& f) override { Both(&PlayView::RedrawField, n, f); }
    void DrawPreview(const Block& b) override { Both(&PlayView::DrawPreview, b); }
    void ShowLevel(int n) override { Both(&PlayView::ShowLevel, n); }
    void ShowScore(std::int32_t n) override { Both(&PlayView::ShowScore, n); }
    void ShowStill(int n) override { Both(&PlayView::ShowStill, n); }
    void ShowBonus(std::int32_t n) override { Both(&PlayView::ShowBonus, n); }
    void ShowNextLevel(int n) override { Both(&PlayView::ShowNextLevel, n); }
    void BlinkNextLevel(int n, bool g) override { Both(&PlayView::BlinkNextLevel, n, g); }
    void HideLevelEndMessages() override { Both(&PlayView::HideLevelEndMessages); }
    void DrawCurtainBar(int r) override { Both(&PlayView::DrawCurtainBar, r); }
    void WipeRow(int r) override { Both(&PlayView::WipeRow, r); }
    void WipeField() override { Both(&PlayView::WipeField); }
    void MarkGameEnded() override { Both(&PlayView::MarkGameEnded); }
    void CloseCurtain(int s) override { Both(&PlayView::CloseCurtain, s); }
    void ShowGameOver() override { Both(&PlayView::ShowGameOver); }
    void BlinkGameOver(bool y) override { Both(&PlayView::BlinkGameOver, y); }

private:
    template <typename Op, typename... Args>
    void Both(Op op, const Args&... args) {
        (painter_.*op)(args...);
        (observer_.*op)(args...);
    }

    PlayView& painter_;
    PlayView& observer_;
};

}  // namespace quorelin
