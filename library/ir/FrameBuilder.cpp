#include "ir/FrameBuilder.h"

#include <algorithm>
#include <cmath>

namespace kelpie::ir::layout {

namespace {

// Collects pieces, merging a burst into a burst and a gap into a gap. The
// durations are written into room made for the most there can be and cut to
// size at the end: a predefined code builds its signal at every decode.
class Pieces {
public:
    explicit Pieces(std::size_t most) : durations_(most) {}
    void Add(double piece) {
        const double micros = std::abs(piece);
        const bool burst = piece > 0;
        elapsed_ += micros;
        if (count_ == 0 && !burst)
            leadingGap_ += micros;
        else if (count_ != 0 && burst == lastIsBurst_)
            durations_[count_ - 1] += micros;
        else
            durations_[count_++] = micros;
        lastIsBurst_ = burst;
    }
    double Elapsed() const { return elapsed_; }
    std::vector<double> Finish() {
        if (count_ % 2 == 1) durations_[count_++] = 0;
        durations_.resize(count_);
        if (count_ != 0) durations_.back() += leadingGap_;
        return std::move(durations_);
    }

private:
    std::vector<double> durations_;
    std::size_t count_ = 0;
    bool lastIsBurst_ = false;
    double leadingGap_ = 0;
    double elapsed_ = 0;
};

} // namespace

std::vector<double> FrameDurations(const Layout& layout, const std::vector<Step>& steps,
                                   const Fields& fields) {
    // At most a duration per piece, and the closing gap Finish may add.
    std::size_t most = 1;
    for (const Step& step : steps)
        most += step.Kind == StepKind::Bits ? 2 * std::size_t{step.Width} : 1;
    Pieces pieces(most);
    for (const Step& step : steps) {
        switch (step.Kind) {
        case StepKind::Burst:
            pieces.Add(step.Micros);
            break;
        case StepKind::Space:
        case StepKind::Gap:
            pieces.Add(-step.Micros);
            break;
        case StepKind::Extent:
            pieces.Add(-std::max(step.Micros - pieces.Elapsed(), layout.Unit));
            break;
        case StepKind::Bits: {
            const std::uint32_t bits = BitsToSend(layout, step, fields);
            for (int i = 0; i < step.Width; ++i) {
                const int position = layout.MsbFirst ? step.Width - 1 - i : i;
                const auto& code = (bits >> position) & 1 ? layout.Code.One : layout.Code.Zero;
                pieces.Add(code[0] * step.Scale);
                pieces.Add(code[1] * step.Scale);
            }
            break;
        }
        }
    }
    return pieces.Finish();
}

} // namespace kelpie::ir::layout
