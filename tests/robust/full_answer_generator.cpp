// Writes a test set of large grids and a submission that answers every test
// case in full, for the memory check:
//   full_answer_generator KIND INPUT SUBMISSION CASES SIDE SEED
// KIND serpentine: random grids in 100 colours. Each answer walks the grid's
//   serpentine path (row 0 from the left, row 1 from the right, ...) and
//   names the colour of every path cell after the first: each move floods at
//   least the next path cell, so the w*h - 1 moves flood the whole grid.
// KIND comb: test case k has its top row and every third column in colour 1
//   and all other cells in colour k + 1; the one move k + 1 floods it. The
//   first flood leaves two thirds of the grid waiting in one colour's list,
//   a different colour in every test case.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

using Grid = std::vector<int>;

Grid serpentineGrid(int side, std::mt19937& random) {
  std::uniform_int_distribution<int> colour(1, 100);
  Grid grid(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
  for (int& cell : grid) cell = colour(random);
  return grid;
}

std::vector<int> serpentineMoves(const Grid& grid, int side) {
  std::vector<int> moves;
  for (int step = 1; step < side * side; ++step) {
    const int y = step / side;
    const int x = y % 2 == 0 ? step % side : side - 1 - step % side;
    moves.push_back(grid[static_cast<std::size_t>(y * side + x)]);
  }
  return moves;
}

Grid combGrid(int side, int number) {
  Grid grid(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x)
      grid[static_cast<std::size_t>(y * side + x)] = y == 0 || x % 3 == 0 ? 1 : number + 1;
  }
  return grid;
}

void writeNumbers(std::FILE* file, const std::vector<int>& numbers, std::size_t from, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) std::fprintf(file, i + 1 < count ? "%d " : "%d", numbers[from + i]);
  std::fputc('\n', file);
}

bool writeFiles(bool comb, std::FILE* input, std::FILE* submission, int cases, int side, unsigned seed) {
  std::mt19937 random(seed);
  const int colours = comb ? cases + 1 : 100;
  std::fprintf(input, "Barvotok\n%d\n", cases);
  std::fprintf(submission, "123456\nBarvotok\n");
  for (int number = 1; number <= cases; ++number) {
    const Grid grid = comb ? combGrid(side, number) : serpentineGrid(side, random);
    std::fprintf(input, "\n%d\n%d %d %d\n", number, side, side, colours);
    for (int y = 0; y < side; ++y)
      writeNumbers(input, grid, static_cast<std::size_t>(y * side), static_cast<std::size_t>(side));
    const std::vector<int> moves = comb ? std::vector<int>{number + 1} : serpentineMoves(grid, side);
    std::fprintf(submission, "%d\n%zu\n", number, moves.size());
    writeNumbers(submission, moves, 0, moves.size());
  }
  return std::ferror(input) == 0 && std::ferror(submission) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7 || (std::strcmp(argv[1], "serpentine") != 0 && std::strcmp(argv[1], "comb") != 0)) {
    std::fprintf(stderr, "usage: %s serpentine|comb INPUT SUBMISSION CASES SIDE SEED\n", argv[0]);
    return 2;
  }
  std::FILE* input = std::fopen(argv[2], "w");
  std::FILE* submission = std::fopen(argv[3], "w");
  if (input == nullptr || submission == nullptr) return 1;
  const bool written = writeFiles(std::strcmp(argv[1], "comb") == 0, input, submission, std::atoi(argv[4]),
                                  std::atoi(argv[5]), static_cast<unsigned>(std::atoi(argv[6])));
  const bool closed = std::fclose(input) == 0 && std::fclose(submission) == 0;
  return written && closed ? 0 : 1;
}
