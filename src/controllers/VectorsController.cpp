#include "VectorsController.h"

#include "Numbers.h"
#include "Working.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The store's globals. Internal linkage: only the functions below reach them.
std::array<float, vectorStore::capacity> angoli{};
std::array<std::string, vectorStore::capacity> dove{};
std::array<float, vectorStore::capacity> intens{};
int x = 0;
int y = 0;

bool isSlot(int index)
{
    return index >= 0 && index < vectorStore::capacity;
}

void emptySlots()
{
    angoli.fill(0.0f);
    dove.fill(std::string());
    intens.fill(0.0f);
}

} // namespace

namespace vectorStore {

void reset()
{
    emptySlots();
    x = 0;
    y = 0;
}

void declare(int count)
{
    const int cut = std::min(count, capacity);
    if (cut > 0) {
        emptySlots();
        y = 0;
    }
    x = cut;
}

int declared()
{
    return x;
}

void rewindTo(int number)
{
    y = std::max(number, 0);
    if (isSlot(y)) {
        intens[y] = 0.0f;
        angoli[y] = 0.0f;
        dove[y].clear();
    }
}

void beginNext()
{
    ++y;
}

int entering()
{
    return y;
}

bool storeEntering(float magnitude, float angle, const std::string& code)
{
    const int index = y - 1;
    if (!isSlot(index))
        return false;
    intens[index] = magnitude;
    angoli[index] = angle;
    dove[index] = code;
    return true;
}

Vector slot(int index)
{
    if (!isSlot(index))
        return {};
    return {intens[index], angoli[index], dove[index]};
}

std::optional<Components> components(int index)
{
    if (!isSlot(index))
        return std::nullopt;
    const float magnitude = intens[index];
    const std::string& code = dove[index];

    if (code == "x +")
        return Components{magnitude, 0.0f};
    if (code == "y +")
        return Components{0.0f, magnitude};
    if (code == "x -")
        return Components{-magnitude, 0.0f};
    if (code == "y -")
        return Components{0.0f, -magnitude};

    const bool positiveX = code == "++" || code == "+-";
    const bool positiveY = code == "++" || code == "-+";
    if (!positiveX && !positiveY && code != "--")
        return std::nullopt;
    const double theta = platform::degreesToRadians(angoli[index]);
    // Cosine and sine are rounded to float before the products, which are
    // float as well.
    const float cosine = static_cast<float>(std::cos(theta));
    const float sine = static_cast<float>(std::sin(theta));
    const float alongX = magnitude * cosine;
    const float alongY = magnitude * sine;
    return Components{positiveX ? alongX : -alongX, positiveY ? alongY : -alongY};
}

Components sumOfFirst(int count)
{
    Components sum;
    for (int index = 0; index < count && index < capacity; ++index) {
        const Components part = components(index).value_or(Components{});
        sum.x = sum.x + part.x;
        sum.y = sum.y + part.y;
    }
    return sum;
}

Resultant resultant()
{
    const Components sum = sumOfFirst(x);
    const double widenedX = sum.x;
    const double widenedY = sum.y;
    // Squares, their sum and the root in double; only the magnitude is
    // rounded back to float.
    const double squareX = widenedX * widenedX;
    const double squareY = widenedY * widenedY;
    const double sumOfSquares = squareX + squareY;
    const double magnitude = std::sqrt(sumOfSquares);
    return {sum.x, sum.y, static_cast<float>(magnitude)};
}

} // namespace vectorStore

namespace {

// The uncertainty typed beside each stored vector's magnitude and angle; a
// slot is written each time its vector is confirmed, so a run never sums
// another run's.
struct Spread
{
    float magnitude = 0.0f;
    float angle = 0.0f;
};
std::array<Spread, vectorStore::capacity> spreads{};

std::string fourDecimals(float value)
{
    return platform::stringWithFormat("%0.4f", value);
}

// The direction of a resultant in hundredths of a degree counter-clockwise
// from the +x axis, in [0, 36000): a direction a hair below the axis is 0, not
// 36000 or -0. None for a zero or undefined resultant.
std::optional<long> hundredthsOfDirection(const vectorStore::Resultant& resultant)
{
    if (std::isnan(resultant.x) || std::isnan(resultant.y)
        || (resultant.x == 0.0f && resultant.y == 0.0f))
        return std::nullopt;
    const double radians = std::atan2(double{resultant.y}, double{resultant.x});
    const double hundredths = std::round(platform::radiansToDegrees(radians) * 100.0);
    return static_cast<long>(std::fmod(hundredths + 36000.0, 36000.0));
}

// The direction in degrees to the hundredth shown: 0.00, not 360.00 or -0.00.
std::optional<std::string> direction(const vectorStore::Resultant& resultant)
{
    const std::optional<long> hundredths = hundredthsOfDirection(resultant);
    if (!hundredths)
        return std::nullopt;
    return platform::stringWithFormat("%0.2f", static_cast<double>(*hundredths) / 100.0);
}

// The texts and the picture of a run: the list, the three results and the
// drawing.
void blankRun(VectorsController& tool)
{
    tool.listOfVectors->setStringValue("");
    tool.rx->setStringValue("");
    tool.ry->setStringValue("");
    tool.result->setStringValue("");
    if (tool.resultDirection != nullptr)
        tool.resultDirection->setStringValue("");
    if (tool.resultBearing != nullptr)
        tool.resultBearing->setStringValue("");
    tool.diagram->erase();
    tool.diagram->setDescription(
        {PHYSCALC_TRANSLATE_NOOP("VectorsController", "No vectors entered."), {}});
    if (tool.componentTable != nullptr)
        tool.componentTable->show({});
}

// One line per vector entered so far, by its number in the list, and the
// resultant's line once there is one.
void showComponents(platform::TextPane& table, const vectorStore::Resultant* resultant)
{
    std::vector<platform::Text> lines{
        {PHYSCALC_TRANSLATE_NOOP("Vectors", "Components, by number in the list:"), {}}};
    for (int index = 0; index < vectorStore::entering(); ++index) {
        const std::string number = std::to_string(index + 1);
        if (const auto parts = vectorStore::components(index))
            lines.push_back({PHYSCALC_TRANSLATE_NOOP("Vectors", "%1:  x = %2,  y = %3"),
                             {number, fourDecimals(parts->x), fourDecimals(parts->y)}});
        else
            lines.push_back(
                {PHYSCALC_TRANSLATE_NOOP("Vectors", "%1:  no direction, left out"), {number}});
    }
    if (resultant != nullptr)
        lines.push_back({PHYSCALC_TRANSLATE_NOOP("Vectors", "R:  x = %1,  y = %2"),
                         {fourDecimals(resultant->x), fourDecimals(resultant->y)}});
    table.show(lines);
}

// Draws the vector just stored tip to tail after the ones before it, or lists
// it as ignored when its code names no direction.
void drawEntered(platform::Diagram& diagram, int number, const std::string& vectorName,
                 const std::string& code)
{
    // Appended rather than "#" + std::to_string(...), which GCC 12 at -O3
    // wrongly reports as an overlapping copy (-Wrestrict).
    std::string label = vectorName;
    if (label.empty())
        label.append("#").append(std::to_string(number));
    if (vectorStore::components(number - 1)) {
        const vectorStore::Components tail = vectorStore::sumOfFirst(number - 1);
        const vectorStore::Components tip = vectorStore::sumOfFirst(number);
        diagram.drawArrow({tail.x, tail.y}, {tip.x, tip.y}, label, platform::Diagram::Arrow::Part);
    } else {
        diagram.addLegendLine(
            {PHYSCALC_TRANSLATE_NOOP("VectorsController",
                                     "%1: code \"%2\" names no direction; ignored"),
             {label, code}});
    }
    diagram.setDescription({PHYSCALC_TRANSLATE_NOOP(
                                "VectorsController",
                                "%1 of %2 vectors drawn tip to tail from the origin; the resultant "
                                "follows the last one."),
                            {std::to_string(number), std::to_string(vectorStore::declared())}});
}

// One whole sentence per case, so that a translation never has to be
// assembled from English pieces.
platform::Text resultantDescription(bool ignoredSome, bool hasDirection,
                                    std::vector<std::string> arguments)
{
    if (ignoredSome && hasDirection)
        return {
            PHYSCALC_TRANSLATE_NOOP(
                "VectorsController",
                "%1 vectors drawn tip to tail from the origin (%2 ignored: code names no "
                "direction). "
                "Resultant R: x component %3, y component %4, magnitude %5, direction %6 degrees "
                "counter-clockwise from the +x axis."),
            std::move(arguments)};
    if (ignoredSome)
        return {PHYSCALC_TRANSLATE_NOOP(
                    "VectorsController",
                    "%1 vectors drawn tip to tail from the origin (%2 ignored: code names no "
                    "direction). "
                    "Resultant R: x component %3, y component %4, magnitude %5, no direction."),
                std::move(arguments)};
    if (hasDirection)
        return {
            PHYSCALC_TRANSLATE_NOOP(
                "VectorsController",
                "%1 vectors drawn tip to tail from the origin. Resultant R: x component %3, y "
                "component %4, magnitude %5, direction %6 degrees counter-clockwise from the +x "
                "axis."),
            std::move(arguments)};
    return {PHYSCALC_TRANSLATE_NOOP("VectorsController",
                                    "%1 vectors drawn tip to tail from the origin. Resultant R: x "
                                    "component %3, y component %4, magnitude %5, no direction."),
            std::move(arguments)};
}

void drawResultant(platform::Diagram& diagram, const vectorStore::Resultant& resultant)
{
    diagram.drawArrow({}, {resultant.x, resultant.y}, "R", platform::Diagram::Arrow::Total);
    const std::string magnitude = fourDecimals(resultant.magnitude);
    const std::optional<std::string> degrees = direction(resultant);
    if (degrees) {
        diagram.addLegendLine({PHYSCALC_TRANSLATE_NOOP("VectorsController", "R = %1 at %2 from +x"),
                               {magnitude, *degrees + "\u00b0"}});
    } else {
        diagram.addLegendLine(
            {PHYSCALC_TRANSLATE_NOOP("VectorsController", "R = %1, no direction"), {magnitude}});
    }

    int ignored = 0;
    for (int index = 0; index < vectorStore::declared(); ++index) {
        if (!vectorStore::components(index))
            ++ignored;
    }
    diagram.setDescription(resultantDescription(
        ignored > 0, degrees.has_value(),
        {std::to_string(vectorStore::declared()), std::to_string(ignored),
         fourDecimals(resultant.x), fourDecimals(resultant.y), magnitude, degrees.value_or("")}));
}

using platform::shortest;
using platform::Text;

// Each vector of the run so far with its components, as the sum adds them.
std::vector<Text> componentLines(int count)
{
    std::vector<Text> lines;
    for (int index = 0; index < count && index < vectorStore::capacity; ++index) {
        const vectorStore::Vector v = vectorStore::slot(index);
        const std::optional<vectorStore::Components> part = vectorStore::components(index);
        std::vector<std::string> arguments{std::to_string(index + 1), shortest(v.magnitude),
                                           shortest(v.angle), v.code};
        if (!part) {
            lines.push_back({PHYSCALC_TRANSLATE_NOOP(
                                 "Working", "v%1: %2 at %3\u00b0, code \"%4\" names no direction: "
                                            "x = 0, y = 0"),
                             arguments});
            continue;
        }
        arguments.push_back(working::step(part->x));
        arguments.push_back(working::step(part->y));
        lines.push_back(
            {PHYSCALC_TRANSLATE_NOOP("Working", "v%1: %2 at %3\u00b0, code %4: x %5, y %6"),
             arguments});
    }
    return lines;
}

// The sums again, in Value, from each vector's magnitude and angle with the
// uncertainties typed beside them; the signs and axes follow the quadrant
// code as the fixed components do.
uncertainty::Propagation propagate(const vectorStore::Resultant& resultant)
{
    using uncertainty::Value;
    uncertainty::Propagation errors;
    Value sumX;
    Value sumY;
    for (int index = 0; index < vectorStore::declared(); ++index) {
        const vectorStore::Vector v = vectorStore::slot(index);
        const Spread& spread = spreads[static_cast<std::size_t>(index)];
        const std::string number = std::to_string(index + 1);
        const Value r = errors.input(v.magnitude, spread.magnitude, "v" + number, "");
        const Value theta = errors.input(v.angle, spread.angle, "\u03b8" + number, "\u00b0");
        const std::string& code = v.code;
        if (code == "x +" || code == "x -") {
            sumX = code == "x +" ? sumX + r : sumX - r;
        } else if (code == "y +" || code == "y -") {
            sumY = code == "y +" ? sumY + r : sumY - r;
        } else if (code == "++" || code == "+-" || code == "-+" || code == "--") {
            const Value alongX = r * uncertainty::cosDegrees(theta);
            const Value alongY = r * uncertainty::sinDegrees(theta);
            sumX = code[0] == '+' ? sumX + alongX : sumX - alongX;
            sumY = code[1] == '+' ? sumY + alongY : sumY - alongY;
        }
    }
    errors.result("Rx", resultant.x, sumX, "", false);
    errors.result("Ry", resultant.y, sumY, "", false);
    errors.result("R", resultant.magnitude, uncertainty::sqrt(sumX * sumX + sumY * sumY), "",
                  false);
    if (const std::optional<std::string> shown = direction(resultant)) {
        errors.result("\u03b8R", platform::readFloat(*shown), uncertainty::atan2Degrees(sumY, sumX),
                      "\u00b0", false);
    }
    return errors;
}

// typed: each vector's name, magnitude, angle and code as typed, in order.
void reportResultant(VectorsController& tool, const vectorStore::Resultant& resultant,
                     const std::vector<std::array<std::string, 4>>& typed)
{
    const int count = vectorStore::declared();
    std::vector<Text> lines = componentLines(count);
    const std::string rx = fourDecimals(resultant.x);
    const std::string ry = fourDecimals(resultant.y);
    const std::string r = fourDecimals(resultant.magnitude);
    lines.push_back({PHYSCALC_TRANSLATE_NOOP("Working", "Rx = \u03a3x = %1"), {rx}});
    lines.push_back({PHYSCALC_TRANSLATE_NOOP("Working", "Ry = \u03a3y = %1"), {ry}});
    lines.push_back(
        {PHYSCALC_TRANSLATE_NOOP(
             "Working", "R = \u221a(Rx\u00b2 + Ry\u00b2) = \u221a(%1\u00b2 + %2\u00b2) = %3"),
         {rx, ry, r}});

    platform::Computation computation{Text{PHYSCALC_TRANSLATE_NOOP("Working", "Vector sum"), {}},
                                      {},
                                      {{"Rx", rx}, {"Ry", ry}, {"R", r}}};
    for (int index = 0; index < count; ++index) {
        const vectorStore::Vector v = vectorStore::slot(index);
        // The name the person gave, else its number in the list.
        const auto at = static_cast<std::size_t>(index);
        const bool named = at < typed.size() && !typed[at][0].empty();
        computation.inputs.push_back(
            {named ? typed[at][0] : "v" + std::to_string(index + 1),
             shortest(v.magnitude) + ", " + shortest(v.angle) + "\u00b0, " + v.code});
    }
    // The homework's answer is often the direction: from +x, and as a bearing.
    if (tool.resultDirection != nullptr && !tool.resultDirection->stringValue().empty())
        computation.results.push_back({"\u03b8", tool.resultDirection->stringValue(), "\u00b0"});
    if (tool.resultBearing != nullptr && !tool.resultBearing->stringValue().empty())
        computation.results.push_back({"\u2220", tool.resultBearing->stringValue()});
    const uncertainty::Propagation errors = propagate(resultant);
    errors.show(tool.uncertainties);
    // The vectors were read when each was entered; nothing is read here.
    working::publish(platform::Notes{}, tool.working, tool.log, computation, lines, &errors);
}

// A direction from the bearing's text, as the sheet's angle text and code.
struct Heading
{
    std::string angle;
    std::string code;
};

// The compass points as degrees from +x; O is the Italian ovest, west.
std::optional<double> compassPoint(char letter)
{
    switch (letter) {
    case 'E':
        return 0.0;
    case 'N':
        return 90.0;
    case 'W':
    case 'O':
        return 180.0;
    case 'S':
        return 270.0;
    default:
        return std::nullopt;
    }
}

// The direction as the sheet takes it: an axis code on the axes, otherwise
// the angle from the x axis inside the quadrant and the quadrant's code, the
// angle given to as many decimals as the person typed.
Heading headingOf(double degrees, int decimals)
{
    const double turn = std::fmod(std::fmod(degrees, 360.0) + 360.0, 360.0);
    static const char* const axes[] = {"x +", "y +", "x -", "y -"};
    static const char* const quadrants[] = {"++", "-+", "--", "+-"};
    const double quarter = std::floor(turn / 90.0);
    const auto index = static_cast<std::size_t>(quarter) % 4;
    if (turn == quarter * 90.0)
        return {"0", axes[index]};
    const double inside = index % 2 == 0 ? turn - quarter * 90.0 : (quarter + 1.0) * 90.0 - turn;
    return {platform::stringWithFormat("%0." + std::to_string(decimals) + "f", inside),
            quadrants[index]};
}

// "N20W", "N 20° W", "20° W of N", "20 O di N", "E", or a plain angle from
// +x between -180 and 360; letters in either case, blanks anywhere.
std::optional<Heading> readHeading(const std::string& typed)
{
    std::string text;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed.compare(i, 2, "\u00b0") == 0) {
            text += ' ';
            ++i;
        } else {
            text += static_cast<char>(std::toupper(static_cast<unsigned char>(typed[i])));
        }
    }
    std::vector<std::string> words;
    std::string word;
    const auto endWord = [&] {
        if (!word.empty())
            words.push_back(std::exchange(word, {}));
    };
    // A number is one word, a letter another: "N20W" is three words.
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t number = platform::lengthOfNumber(std::string_view(text).substr(i));
        if (number > 0 && !std::isalpha(static_cast<unsigned char>(text[i]))) {
            endWord();
            words.push_back(text.substr(i, number));
            i += number;
        } else if (text[i] == ' ' || text[i] == '\t') {
            endWord();
            ++i;
        } else {
            if (!word.empty()
                && std::isalpha(static_cast<unsigned char>(word.back()))
                       != std::isalpha(static_cast<unsigned char>(text[i])))
                endWord();
            word += text[i++];
        }
    }
    endWord();
    const auto isNumber = [](const std::string& w) {
        return platform::lengthOfNumber(w) == w.size() && !w.empty();
    };
    const auto decimalsOf = [](std::string w) {
        const std::size_t trimmed = w.find_first_not_of(" \t");
        w = w.substr(trimmed == std::string::npos ? 0 : trimmed);
        if (w.find_first_of("eE") != std::string::npos)
            return 6;
        const std::size_t point = w.find_first_of(".,");
        return point == std::string::npos ? 0 : static_cast<int>(w.size() - point - 1);
    };
    const auto point = [](const std::string& w) {
        return w.size() == 1 ? compassPoint(w[0]) : std::nullopt;
    };
    // From one point toward the next one round, by at most a right angle.
    const auto turned = [&](const std::string& from, const std::string& by,
                            const std::string& toward) -> std::optional<Heading> {
        const auto start = point(from);
        const auto end = point(toward);
        const double amount = platform::readFloat(by);
        if (!start || !end || !(amount >= 0.0 && amount <= 90.0))
            return std::nullopt;
        const double apart = std::fmod(*end - *start + 360.0, 360.0);
        if (apart != 90.0 && apart != 270.0)
            return std::nullopt;
        return headingOf(*start + (apart == 90.0 ? amount : -amount), decimalsOf(by));
    };
    if (words.size() == 1 && isNumber(words[0])) {
        const double degrees = platform::readFloat(words[0]);
        if (!(degrees >= -180.0 && degrees <= 360.0))
            return std::nullopt;
        return headingOf(degrees, decimalsOf(words[0]));
    }
    if (words.size() == 1 && point(words[0]))
        return headingOf(*point(words[0]), 0);
    if (words.size() == 3 && isNumber(words[1]))
        return turned(words[0], words[1], words[2]);
    if (words.size() == 4 && isNumber(words[0]) && (words[2] == "OF" || words[2] == "DI"))
        return turned(words[3], words[0], words[1]);
    return std::nullopt;
}

// The direction as a bearing from the east or west, as textbooks give a
// resultant: "4.65° S of W", or the point itself on an axis.
std::optional<platform::Text> bearingOf(const vectorStore::Resultant& resultant)
{
    const std::optional<long> hundredths = hundredthsOfDirection(resultant);
    if (!hundredths)
        return std::nullopt;
    const long wrapped = *hundredths;
    const long quarter = wrapped / 9000;
    if (wrapped % 9000 == 0) {
        static const platform::Text points[] = {{PHYSCALC_TRANSLATE_NOOP("Bearing", "E"), {}},
                                                {PHYSCALC_TRANSLATE_NOOP("Bearing", "N"), {}},
                                                {PHYSCALC_TRANSLATE_NOOP("Bearing", "W"), {}},
                                                {PHYSCALC_TRANSLATE_NOOP("Bearing", "S"), {}}};
        return points[quarter];
    }
    const long inside =
        quarter % 2 == 0 ? wrapped - quarter * 9000 : (quarter + 1) * 9000 - wrapped;
    const std::string degrees =
        platform::stringWithFormat("%0.2f", static_cast<double>(inside) / 100.0);
    switch (quarter) {
    case 0:
        return platform::Text{PHYSCALC_TRANSLATE_NOOP("Bearing", "%1° N of E"), {degrees}};
    case 1:
        return platform::Text{PHYSCALC_TRANSLATE_NOOP("Bearing", "%1° N of W"), {degrees}};
    case 2:
        return platform::Text{PHYSCALC_TRANSLATE_NOOP("Bearing", "%1° S of W"), {degrees}};
    default:
        return platform::Text{PHYSCALC_TRANSLATE_NOOP("Bearing", "%1° S of E"), {degrees}};
    }
}

bool isQuadrantCode(const std::string& code)
{
    return code == "++" || code == "+-" || code == "--" || code == "-+";
}

} // namespace

void VectorsController::beginVectorSheet()
{
    platform::app().beginSheet(*newVectWin, *myself);
    vectorStore::beginNext();
    underWay = true;
    if (progress != nullptr) {
        progress->show(
            {{PHYSCALC_TRANSLATE_NOOP("VectorsController", "Vector %1 of %2"),
              {std::to_string(vectorStore::entering()), std::to_string(vectorStore::declared())}}});
    }
}

void VectorsController::declareVectorsNumber(platform::Sender)
{
    platform::app().endSheet(*firstPanel);
    firstPanel->orderOut(this);

    const int count = numberOfVectors->intValue();
    vectorStore::declare(count);
    if (vectorStore::declared() > 0) {
        // An accepted count starts a new run, as clear would: the store
        // has just been emptied, and the old run's texts go with it.
        blankRun(*this);
        typedVectors.clear();
        press.begin("");
        press.finish(notes);
        beginVectorSheet();
    } else {
        platform::app().beginAlertSheet("Caution!", "OK", "", "", *myself,
                                        "Cannot declare zero (0) vectors.");
    }
}

// A bearing the sheet cannot read keeps the sheet open with the bearing
// marked: storing the vector with whatever angle was left would add a
// direction the person never gave.
void VectorsController::confirm(platform::Sender)
{
    if (!fillFromBearing())
        return;
    platform::app().endSheet(*newVectWin);
    newVectWin->orderOut(this);

    const std::string nameText = name->stringValue();
    const std::string magnitudeText = power->stringValue();
    const std::string angleText = angle->stringValue();
    const std::string code = where->title();
    const float magnitude = press.read(*power, "");
    const float degrees = press.read(*angle, "°", "\u03b8");
    // The sheet is begun only by a declaration, which starts a run; a vector
    // confirmed outside one has no slot, and is neither stored nor listed.
    if (!vectorStore::storeEntering(magnitude, degrees, code))
        return;
    typedVectors.push_back({nameText, magnitudeText, angleText, code});
    spreads[static_cast<std::size_t>(vectorStore::entering() - 1)] = {press.uncertainty(*power),
                                                                      press.uncertainty(*angle)};

    for (const std::string& piece : {nameText, std::string("/"), magnitudeText, std::string("/"),
                                     angleText, std::string("/"), code, std::string("\n")}) {
        listOfVectors->setStringValue(listOfVectors->stringValue() + piece);
    }
    drawEntered(*diagram, vectorStore::entering(), nameText, code);
    if (componentTable != nullptr)
        showComponents(*componentTable, nullptr);
    // The code gives the signs and the angle the size of the components, so
    // an angle outside the quadrant counts twice, or against the code.
    if (isQuadrantCode(code) && (degrees < 0.0f || degrees > 90.0f)) {
        press.add(
            {PHYSCALC_TRANSLATE_NOOP("Notes", "%1: the code %2 names a quadrant and takes an angle "
                                              "from 0 to 90°; %3° was used as it stands, so the "
                                              "signs of cos and sin apply on top of the code's."),
             {nameText.empty() ? "#" + std::to_string(vectorStore::entering()) : nameText, code,
              angleText}});
    }
    press.finish(notes);

    if (vectorStore::declared() > vectorStore::entering()) {
        if (working != nullptr)
            working->show(componentLines(vectorStore::entering()));
        beginVectorSheet();
        return;
    }
    underWay = false;
    const vectorStore::Resultant resultant = vectorStore::resultant();
    platform::display(*rx, "%0.4f", resultant.x);
    platform::display(*ry, "%0.4f", resultant.y);
    platform::display(*result, "%0.4f", resultant.magnitude);
    if (resultDirection != nullptr)
        resultDirection->setStringValue(direction(resultant).value_or(""));
    if (resultBearing != nullptr) {
        const std::optional<platform::Text> compass = bearingOf(resultant);
        if (compass)
            resultBearing->setText(*compass);
        else
            resultBearing->setStringValue("");
    }
    drawResultant(*diagram, resultant);
    if (componentTable != nullptr)
        showComponents(*componentTable, &resultant);
    reportResultant(*this, resultant, typedVectors);
}

void VectorsController::abort(platform::Sender)
{
    platform::app().endSheet(*firstPanel);
    firstPanel->orderOut(this);
    myself->orderOut(this);
}

void VectorsController::clear(platform::Sender)
{
    blankRun(*this);
    typedVectors.clear();
    if (working != nullptr)
        working->show({});
    vectorStore::reset();
    underWay = false;
    press.begin("");
    press.finish(notes);
}

void VectorsController::back(platform::Sender)
{
    platform::app().endSheet(*newVectWin);
    newVectWin->orderOut(this);
    const int number = vectorStore::entering();
    if (number <= 1) {
        vectorStore::rewindTo(0);
        underWay = false;
        platform::app().beginSheet(*firstPanel, *myself);
        return;
    }

    // The vector before this one leaves the list, the store and the picture,
    // and comes back on the sheet as it was typed.
    const std::array<std::string, 4> previous =
        typedVectors.empty() ? std::array<std::string, 4>{} : typedVectors.back();
    if (!typedVectors.empty())
        typedVectors.pop_back();
    std::string list;
    for (const auto& typed : typedVectors)
        list += typed[0] + "/" + typed[1] + "/" + typed[2] + "/" + typed[3] + "\n";
    listOfVectors->setStringValue(list);
    vectorStore::rewindTo(number - 2);
    diagram->erase();
    int drawn = 0;
    for (const auto& typed : typedVectors)
        drawEntered(*diagram, ++drawn, typed[0], typed[3]);
    if (componentTable != nullptr)
        showComponents(*componentTable, nullptr);
    if (working != nullptr)
        working->show(componentLines(vectorStore::entering()));
    if (bearing != nullptr)
        bearing->setStringValue("");
    name->setStringValue(previous[0]);
    power->setStringValue(previous[1]);
    angle->setStringValue(previous[2]);
    where->setTitle(previous[3]);
    beginVectorSheet();
}

void VectorsController::cancelRun(platform::Sender sender)
{
    platform::app().endSheet(*newVectWin);
    newVectWin->orderOut(this);
    clear(sender);
}

void VectorsController::readBearing(platform::Sender)
{
    if (bearing == nullptr)
        return;
    // Half typed, "N2" is no bearing yet: nothing is filled and nothing is
    // marked until the sheet is confirmed.
    if (const std::optional<Heading> heading = readHeading(bearing->stringValue())) {
        angle->setStringValue(heading->angle);
        where->setTitle(heading->code);
        bearing->setMark(std::nullopt);
    }
}

bool VectorsController::fillFromBearing()
{
    if (bearing == nullptr)
        return true;
    const std::string typed = bearing->stringValue();
    if (typed.find_first_not_of(" \t") == std::string::npos)
        return true;
    const std::optional<Heading> heading = readHeading(typed);
    if (!heading) {
        bearing->setMark(platform::Text{
            PHYSCALC_TRANSLATE_NOOP("Notes",
                                    "“%1” is no bearing: type one such as N20W, 20° W of N or E, "
                                    "or an angle from +x between -180 and 360°."),
            {typed}});
        return false;
    }
    angle->setStringValue(heading->angle);
    where->setTitle(heading->code);
    bearing->setMark(std::nullopt);
    press.inform({PHYSCALC_TRANSLATE_NOOP("Notes", "%1: the bearing %2 is %3° from the x axis "
                                                   "with the code %4."),
                  {bearing->label(), typed, heading->angle, heading->code}});
    return true;
}
