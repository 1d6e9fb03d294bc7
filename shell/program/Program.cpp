// Starts the quiz.
#include "QuizApp.h"

int main(int argc, char* argv[])
{
    return orrinvale::runQuiz(argc, argv);
}
