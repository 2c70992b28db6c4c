/*
 * A program of one's own on kmrengine: two equal spans of L = 6 m on three
 * simple supports, a uniform load of w = 10 kN/m on both spans. Prints the
 * support reactions (statics gives 3wL/8, 10wL/8 and 3wL/8 = 22.5, 75 and
 * 22.5 kN).
 *
 *   cmake:      find_package(kmrengine) and link kmrengine::kmrengine
 *   pkg-config: cc consumer.c $(pkg-config --cflags --libs kmrengine)
 */
#include <kmrengine.h>
#include <stdio.h>

#define SPANS 2
#define NODES (SPANS + 1)
#define DOFS (2 * NODES)

int main(void) {
    const float span = 6.0f;       /* m */
    const float load = 10.0f;      /* kN/m, downward */
    const float youngs = 2.05e8f;  /* kN/m2 (20500 kN/cm2) */
    const float inertia = 1.0e-4f; /* m4 (10000 cm4) */

    float length[SPANS], stiffness[SPANS], e[SPANS], i[SPANS];
    float endMoment[2 * SPANS], endShear[2 * SPANS]; /* column 1: left ends, column 2: right */
    int32_t support[NODES];
    int m;

    /* Fixed-end moments and simple-beam end shears of the uniform load: a
     * middle part alone over the whole span, both factors 1. */
    for (m = 0; m < SPANS; ++m) {
        float cLeft, cRight, m0, qLeft, qRight, deflectionEI, extra;
        VF_CMQGIR(0, span, 0.0f, span, 0.0f, span, load, 1.0f, 1.0f, 4, 0.0f, span / 2, &cLeft,
                  &cRight, &m0, &qLeft, &qRight, &deflectionEI, &extra);
        length[m] = span;
        e[m] = youngs;
        i[m] = inertia;
        stiffness[m] = youngs * inertia / span;
        endMoment[m] = cLeft;
        endMoment[SPANS + m] = cRight;
        endShear[m] = qLeft;
        endShear[SPANS + m] = qRight;
    }
    for (m = 0; m < NODES; ++m) support[m] = 2; /* simple */

    {
        /* No hinges, springs or node loads: lists of one unused element. */
        int32_t noNode[1] = {0};
        float noValue[1] = {0.0f}, hingeRotation[1] = {0.0f};
        double matrix[DOFS * DOFS], displacement[DOFS];
        float reaction[NODES];
        VF_RenzokuGir(NODES, SPANS, DOFS, 0, 0, 0, e, length, noNode, stiffness, i, support, noNode,
                      noValue, noNode, noValue, noValue, noValue, matrix, hingeRotation, endMoment,
                      endShear, displacement, reaction);
        for (m = 0; m < NODES; ++m) printf("reaction %d: %.3f kN\n", m + 1, reaction[m]);
    }
    return 0;
}
