// The quiz with one numbered step made to fail, so that a test can raise an
// "Application Error" box at a chosen moment in a real window:
//   faulty_quiz <origin text> <line>
// It must lie in a program folder, like the quiz itself.
#include "Fakes.h"
#include "QuizApp.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: faulty_quiz <origin text> <line>\n");
        return 2;
    }
    orrinvale::testing::FaultAt fault(argv[1], std::atoi(argv[2]));
    int qtArgc = 1;
    return orrinvale::runQuiz(qtArgc, argv, &fault);
}
