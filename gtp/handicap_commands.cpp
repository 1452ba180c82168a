// fixed_handicap, place_free_handicap and set_free_handicap: Black stones on an empty board.
#include <algorithm>
#include <vector>

#include "gtp/command_handlers.h"
#include "gtp/game_record.h"
#include "gtp/numbers.h"
#include "gtp/vertex.h"
#include "rules/handicap.h"
#include "rules/position.h"

namespace {

constexpr std::string_view BoardNotEmpty = "board not empty";
constexpr std::string_view InvalidNumberOfStones = "invalid number of stones";
constexpr int MinHandicap = 2;
// A handicap leaves at least one point free.
constexpr int MaxFreeHandicap = PointCount - 1;
constexpr int MaxFixedHandicap = 9;

// The protocol's fixed points on 19×19 for 2 to 9 stones.
constexpr std::string_view FixedPoints[MaxFixedHandicap - MinHandicap + 1] = {
    "D4 Q16",
    "D4 Q16 D16",
    "D4 Q16 D16 Q4",
    "D4 Q16 D16 Q4 K10",
    "D4 Q16 D16 Q4 D10 Q10",
    "D4 Q16 D16 Q4 D10 Q10 K10",
    "D4 Q16 D16 Q4 D10 Q10 K4 K16",
    "D4 Q16 D16 Q4 D10 Q10 K4 K16 K10",
};

std::vector<Vertex> FixedHandicapPoints(int n) {
    std::vector<Vertex> points;
    const std::string_view list = FixedPoints[n - MinHandicap];
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = std::min(list.find(' ', start), list.size());
        points.push_back(*ParseVertex(list.substr(start, end - start)));
        start = end + 1;
    }
    return points;
}

// Puts the stones down and answers their vertices; the handicap is part of the set-up, so
// undo cannot go back past it.
GtpReply PlaceBlackStones(GtpSession& session, const std::vector<Vertex>& points) {
    std::string text;
    for (const Vertex& point : points) {
        SetStone(point.x, point.y, Black);
        text += text.empty() ? "" : " ";
        text += FormatVertex(point);
    }
    session.history.Clear();
    return Success(std::move(text));
}

}  // namespace

GtpReply FixedHandicapCommand(GtpSession& session, const Arguments& arguments) {
    const auto n = arguments.size() == 1 ? ParseCount(arguments[0]) : std::nullopt;
    if (!n) {
        return Failure(SyntaxError);
    }
    if (*n < MinHandicap || *n > MaxFixedHandicap) {
        return Failure(InvalidNumberOfStones);
    }
    if (!BoardIsEmpty()) {
        return Failure(BoardNotEmpty);
    }
    return PlaceBlackStones(session, FixedHandicapPoints(*n));
}

// The engine's own handicap points; above MaxHandicap it places that many, as the protocol
// allows an engine to place fewer stones than asked.
GtpReply PlaceFreeHandicapCommand(GtpSession& session, const Arguments& arguments) {
    const auto n = arguments.size() == 1 ? ParseCount(arguments[0]) : std::nullopt;
    if (!n) {
        return Failure(SyntaxError);
    }
    if (*n < MinHandicap || *n > MaxFreeHandicap) {
        return Failure(InvalidNumberOfStones);
    }
    if (!BoardIsEmpty()) {
        return Failure(BoardNotEmpty);
    }
    PlaceHandicapStones(std::min(*n, MaxHandicap));
    std::vector<Vertex> points;
    for (int x = 0; x < BoardSize; ++x) {
        for (int y = 0; y < BoardSize; ++y) {
            if (StoneAt(x, y) == Black) {
                points.push_back({x, y});
            }
        }
    }
    return PlaceBlackStones(session, points);
}

GtpReply SetFreeHandicapCommand(GtpSession& session, const Arguments& arguments) {
    const int n = static_cast<int>(std::min<std::size_t>(arguments.size(), PointCount));
    if (n < MinHandicap || n > MaxFreeHandicap) {
        return Failure(InvalidNumberOfStones);
    }
    std::vector<Vertex> points;
    for (const std::string& word : arguments) {
        const auto vertex = ParseVertex(word);
        if (!vertex || vertex->IsPass() ||
            std::find(points.begin(), points.end(), *vertex) != points.end()) {
            return Failure("bad vertex list");
        }
        points.push_back(*vertex);
    }
    if (!BoardIsEmpty()) {
        return Failure(BoardNotEmpty);
    }
    return PlaceBlackStones(session, points);
}
