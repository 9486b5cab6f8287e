#include "TestDefinitionUnit.h"

std::array<std::int32_t, QuestionCount> UserAnswers{};

std::string Commentary(int question)
{
    std::string text;
    const std::size_t first = std::size_t(question - 1) * CommentPieceCount;
    for (std::size_t piece = 0; piece < CommentPieceCount; ++piece)
        text += CommentPieces[first + piece];
    return text;
}

void ResetAnswers()
{
    UserAnswers.fill(NoAnswer);
}

int CountCorrect()
{
    int count = 0;
    for (std::size_t i = 0; i < QuestionCount; ++i) {
        if (UserAnswers[i] == CorrectOptions[i])
            ++count;
    }
    return count;
}

namespace {

template <typename Selected> std::string itemListText(Selected isSelected)
{
    std::string text;
    for (int question = 1; question <= QuestionCount; ++question) {
        const auto i = static_cast<std::size_t>(question - 1);
        if (!isSelected(UserAnswers[i], CorrectOptions[i]))
            continue;
        if (!text.empty())
            text += ", ";
        text += std::to_string(question);
    }
    return text;
}

} // namespace

std::string WrongItemsText()
{
    return itemListText(
        [](std::int32_t answer, std::int32_t key) { return answer != NoAnswer && answer != key; });
}

std::string BlankItemsText()
{
    return itemListText([](std::int32_t answer, std::int32_t) { return answer == NoAnswer; });
}
