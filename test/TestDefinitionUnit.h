// The quiz's test definition: the constant question bank, the answer sheet of the run under
// way and the scoring routines. Plain C++, no Qt: every window reads these directly.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int QuestionCount = 24;
constexpr int OptionsPerQuestion = 4;
constexpr int CommentPieceCount = 7;

// Texts are UTF-8; a length is a number of characters.
extern const std::array<std::string_view, QuestionCount> QuestionTexts;
// Continuation k of question q stands at (q - 1) * OptionsPerQuestion + (k - 1).
extern const std::array<std::string_view, std::size_t{QuestionCount} * OptionsPerQuestion>
    OptionTexts;
// The number (1 to 4) of the correct continuation of each question.
extern const std::array<std::int32_t, QuestionCount> CorrectOptions;
// Piece p of question q's commentary stands at (q - 1) * CommentPieceCount + (p - 1);
// unused pieces are empty and only follow the used ones.
extern const std::array<std::string_view, std::size_t{QuestionCount} * CommentPieceCount>
    CommentPieces;

// The commentary of question q (1 to 24): its pieces joined with nothing between them.
std::string Commentary(int question);

// An answer-sheet entry with no continuation chosen.
constexpr std::int32_t NoAnswer = -1;

// The answer sheet: one entry per question, NoAnswer or an option number 1 to 4.
// Zero-filled at process start and cleared by ResetAnswers before every run.
extern std::array<std::int32_t, QuestionCount> UserAnswers;

void ResetAnswers();
int CountCorrect();
// Ascending question numbers joined by ", ", empty when there are none.
std::string WrongItemsText();
std::string BlankItemsText();
