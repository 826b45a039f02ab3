// The flow of a deal, as the window runs it: a deal or a custom hand restarts it;
// a submitted answer is judged and announced, and a right one is followed by a new
// deal; "显示结果" lists the solutions once a deal. The seconds of the deal are
// counted from the page's own clock, so a tab the browser slows keeps the count.

import { Right } from './core.js';

export class Game {
    constructor(core, view) {
        this.core = core;
        this.view = view;
        this.dealStarted = 0;
    }

    deal() {
        this.core.deal();
        this.restart();
    }

    playHand(values) {
        this.core.setHand(values);
        this.restart();
    }

    // The deal's state after new cards, dealt or typed.
    restart() {
        this.view.showHand(this.core.hand());
        this.view.clearAnswer();
        this.view.showSolutions([]);
        this.view.enableShowResults(true);
        this.dealStarted = performance.now();
        this.tick();
    }

    async submit(text) {
        const verdict = this.core.judge(text);
        if (verdict.selected >= 0) this.view.select(verdict.selected);
        await this.view.announce(verdict);
        if (verdict.judgement === Right) this.deal();
    }

    showResults() {
        this.view.showSolutions(this.core.solutionLines());
        this.view.enableShowResults(false);
    }

    tick() {
        this.view.showSeconds(Math.floor((performance.now() - this.dealStarted) / 1000));
    }
}
