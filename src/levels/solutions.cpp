// Written by `coilwend-solve --write-solutions`; regenerate rather than edit.

#include "levels/solutions.hpp"

#include <array>
#include <utility>

namespace coilwend {
namespace {

// clang-format off
constexpr std::array<std::pair<std::string_view, std::string_view>, 94> kSolutions{{
    {"1.rs", "NRDRUULLLLDDRRURDDRUUULLLDNUUU"},
    {"10.rs", "NRDLURUNULDLLULUUR"},
    {"11.rs", "ULDNUNLNUNDNLNRNDNRRD"},
    {"12.rs", "NULLNULLNLLL"},
    {"13.rs", "NULDLLUNDLUL"},
    {"14.rs", "RR"},
    {"15.rs", "LURRRDRULLLLDRD"},
    {"16.rs", "NLLUNRRRU"},
    {"17.rs", "DLULDRRULLNDRURURDDRNDDLDL"},
    {"18.rs", "RR"},
    {"19.rs", "RDDRUULNRURRDRDNLLLDLD"},
    {"2.rs", "UNURDRDDNUURRRRD"},
    {"20.rs", "RRRRRRRR"},
    {"21.rs", "NRNLLULNUNDRNNURNNLNNDNNRNNUNNLNNDNNUNNLNNRNNRNNUNNDNNRNNLNNRNNDNNLNNDNNRNNUNNLNNDNNUNNLNNRNNRNNUNNDNNRNNLNNLNNDNNLDL"},
    {"22.rs", "RDDDLURUULNRDLDNLLLDDDR"},
    {"23.rs", "UUUUURRRR"},
    {"24.rs", "UUUURRRRRRRRR"},
    {"25.rs", "UNRRNDDRRRNUUURRR"},
    {"26.rs", "LDDLLUUUNDRRRUURUNLDDRULURDD"},
    {"27.rs", "NLDLURRRUULNRRRRNLLLDNUULLNDRDNLLD"},
    {"28.rs", "URRRNLULDNUU"},
    {"29.rs", "RRUUNNLLLLNNDRRR"},
    {"3.rs", "RRRRU"},
    {"30.rs", "LDDRNUURUULLLLDDDDRNDRR"},
    {"31.rs", "RUURRDLNRRURDLLLUURNLDLLL"},
    {"32.rs", "UUUUUURRRRRRRR"},
    {"33.rs", "DRRUUULDLLDRDRNLUUNRRRU"},
    {"34.rs", "NLUU"},
    {"35.rs", "NURRUURDRNDRRRDRR"},
    {"36.rs", "UUUUURR"},
    {"37.rs", "ULLLLNURDRRRRNULL"},
    {"38.rs", "DDRRRRUU"},
    {"39.rs", "RRURDDLULLU"},
    {"4.rs", "ULDLURRDLLUNDDRNURNULNDNRNULLD"},
    {"40.rs", "UUURRR"},
    {"41.rs", "UUUUUURRRRRRRRR"},
    {"42.rs", "RRRRR"},
    {"43.rs", "RR"},
    {"45.rs", "LUURNDDLLNNRRNUNLUNDD"},
    {"46.rs", "RRURDLLLUUNDDLLNURRRNLND"},
    {"47.rs", "LDLURNDDRNURUR"},
    {"48.rs", "RRURNLNRNUNDR"},
    {"5.rs", "RRRRRRRRR"},
    {"50.rs", "DLLURNDRUUNNDDNNLNNRNNDNNUNNDNNUNNRNNLULLDLNRRRDRDR"},
    {"51.rs", "LDLURRNLLDRRNRRRU"},
    {"52.rs", "NULDDLLUUNRDRRUUR"},
    {"54.rs", "DNRDDRNLULNRURDLLURNNLDLDNRRRDRDD"},
    {"55.rs", "NDDDRRULLUURRNURULLNRDRRDDNDLLDDDRRR"},
    {"56.rs", "RRRRRRRRR"},
    {"57.rs", "NUUUNRRR"},
    {"58.rs", "NLNURDDNNRDNNNURNNLDDRNNDDNURNNNDLNDRR"},
    {"59.rs", "RRRR"},
    {"6.rs", "RRRRRRRR"},
    {"60.rs", "RRRR"},
    {"61.rs", "NULDNURRDRNLLLDD"},
    {"62.rs", "RUURRNLDDRUUUNRDD"},
    {"63.rs", "RRR"},
    {"64.rs", "NRDRULLUUNRRRDRULLLLLLL"},
    {"65.rs", "UUUURRRRRR"},
    {"66.rs", "UUUURRRRRRR"},
    {"67.rs", "DRNRURDLLURNNRRRUNNLDDNNUUNNLLNNRRNULNNRNLUL"},
    {"68.rs", "RRRRRRR"},
    {"69.rs", "UUUUUURRRRR"},
    {"7.rs", "NNLLLUUNRRNLLLUUUNNRRRRRR"},
    {"70.rs", "URNNDRURRRURUNNDLDL"},
    {"71.rs", "LURRNLLNDDDLLLLULUURNURDRDDLLLLL"},
    {"72.rs", "RRRRR"},
    {"73.rs", "DLUNLUUUNDLNRRURR"},
    {"74.rs", "NNRDRULLDRRNNDLLUNUUULULNLDDDDLL"},
    {"75.rs", "RRRRRR"},
    {"76.rs", "UUUURRRRR"},
    {"77.rs", "DDLDRNLLDDRDRRUULULNRRRUURU"},
    {"78.rs", "NUUUNLLLLLLUUUNDLLLUUU"},
    {"79.rs", "RRRRR"},
    {"8.rs", "UUUUUURRRRRRR"},
    {"80.rs", "RRRRRRR"},
    {"81.rs", "RRRRRRRR"},
    {"82.rs", "UNDRNNLLNRRNNLLNRUNURDRRNDDL"},
    {"83.rs", "LULDRRRRUR"},
    {"84.rs", "RRRRRR"},
    {"85.rs", "RRRRRRRRR"},
    {"86.rs", "NURNDRRURR"},
    {"87.rs", "NDDLLUULURRDRDDLLNUR"},
    {"88.rs", "RRR"},
    {"89.rs", "UUNLLNRNRRDRNNRNNNNRNNNNLLUULDDRRRNNURRRRUUNNNULLLLDLLNRRRDNNNNNULUL"},
    {"9.rs", "UULLLLDR"},
    {"90.rs", "UUUUURRRRRR"},
    {"91.rs", "UUUUURRRRR"},
    {"92.rs", "UUULDRDDLLLUUUU"},
    {"93.rs", "UUUUUURRRRRR"},
    {"p1.rs", "RRRRRRR"},
    {"p2.rs", "LULDNNNLLLLUUNNRRRRRUULL"},
    {"p3.rs", "RRURNLNULLNRNUNNDRRDRRNNDNUR"},
    {"p5.rs", "RRURUULNLLLDDLDDNURDD"},
}};
// clang-format on

} // namespace

std::string_view stored_solution(std::string_view id) {
    for (const auto& [level, letters] : kSolutions)
        if (level == id)
            return letters;
    return {};
}

} // namespace coilwend
