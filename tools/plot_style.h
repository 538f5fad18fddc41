#pragma once

#include <string_view>

namespace scenario::tools::style {

// Colours and strokes shared by the panels of the plot and its legend.
inline constexpr std::string_view kInk = "#222222";
inline constexpr std::string_view kMuted = "#666666";
inline constexpr std::string_view kGrid = "stroke=\"#e3e3e3\" stroke-width=\"1\"";
inline constexpr std::string_view kFrame = "fill=\"none\" stroke=\"#999999\" stroke-width=\"1\"";
inline constexpr std::string_view kTrack =
    "fill=\"none\" stroke=\"#2b5d8a\" stroke-width=\"3\" stroke-linejoin=\"round\"";
inline constexpr std::string_view kStart = "fill=\"#2e7d32\" stroke=\"white\" stroke-width=\"1.5\"";
inline constexpr std::string_view kEnd = "fill=\"#c62828\" stroke=\"white\" stroke-width=\"1.5\"";
inline constexpr std::string_view kStation =
    "fill=\"white\" stroke=\"#222222\" stroke-width=\"1.6\"";
inline constexpr std::string_view kKilometreMark =
    "fill=\"white\" stroke=\"#2b5d8a\" stroke-width=\"1.2\"";
inline constexpr std::string_view kKilometreColour = "#2b5d8a";
inline constexpr std::string_view kStationLine =
    "stroke=\"#b0b0b0\" stroke-width=\"0.8\" stroke-dasharray=\"3,3\"";
inline constexpr std::string_view kLeader = "stroke=\"#9a9a9a\" stroke-width=\"0.8\"";
inline constexpr std::string_view kHeight =
    "fill=\"#e6d5bd\" stroke=\"#8d6e63\" stroke-width=\"1.5\"";
inline constexpr std::string_view kClimb = "fill=\"#e8a09a\" stroke=\"none\"";
inline constexpr std::string_view kDescent = "fill=\"#9fd0a2\" stroke=\"none\"";
inline constexpr std::string_view kGradientLine =
    "fill=\"none\" stroke=\"#555555\" stroke-width=\"1\"";
inline constexpr std::string_view kLineSpeed =
    "fill=\"none\" stroke=\"#1565c0\" stroke-width=\"2\"";
inline constexpr std::string_view kSlowColour = "#d32f2f";
inline constexpr std::string_view kSlowDip =
    "fill=\"none\" stroke=\"#d32f2f\" stroke-width=\"2.5\" stroke-linejoin=\"round\"";
inline constexpr std::string_view kRightCurve = "fill=\"#7e57c2\" stroke=\"none\"";
inline constexpr std::string_view kLeftCurve = "fill=\"#26a69a\" stroke=\"none\"";
inline constexpr std::string_view kAdhesion =
    "fill=\"none\" stroke=\"#5d4037\" stroke-width=\"1.5\"";
inline constexpr std::string_view kTail = "fill=\"#777777\" fill-opacity=\"0.14\" stroke=\"none\"";
inline constexpr std::string_view kTailEdge =
    "stroke=\"#777777\" stroke-width=\"1\" stroke-dasharray=\"4,3\"";
inline constexpr std::string_view kSlow = "fill=\"#d32f2f\" fill-opacity=\"0.85\" stroke=\"none\"";
inline constexpr std::string_view kWarning =
    "fill=\"#ffb300\" stroke=\"#8d6e00\" stroke-width=\"1\"";
inline constexpr std::string_view kMainSignal = "fill=\"#b71c1c\" stroke=\"none\"";
inline constexpr std::string_view kDistantSignal =
    "fill=\"#f9a825\" stroke=\"#7a5200\" stroke-width=\"0.8\"";
inline constexpr std::string_view kOtherSignal = "fill=\"#777777\" stroke=\"none\"";
inline constexpr std::string_view kSignalMast = "stroke=\"#444444\" stroke-width=\"1\"";
inline constexpr std::string_view kIndicator =
    "fill=\"#1565c0\" stroke=\"white\" stroke-width=\"0.8\"";
inline constexpr std::string_view kSignBoard =
    "fill=\"#6a1b9a\" stroke=\"white\" stroke-width=\"0.8\"";
inline constexpr std::string_view kBoardColour = "#6a1b9a";
inline constexpr std::string_view kTunnel = "fill=\"#424242\" stroke=\"none\"";
inline constexpr std::string_view kRelief = "fill=\"#bcaaa4\" stroke=\"none\"";
inline constexpr std::string_view kAbatement =
    "fill=\"#ef6c00\" stroke=\"white\" stroke-width=\"0.6\"";

}  // namespace scenario::tools::style
