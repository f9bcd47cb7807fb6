// A program whose main throws and catches nothing: its terminate handler
// says so and ends it with exit code 3.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>

int main()
{
    std::set_terminate([] {
        std::fputs("terminate handler ran\n", stdout);
        std::fflush(stdout);
        std::_Exit(3);
    });
    throw std::runtime_error("nobody catches this");
}
