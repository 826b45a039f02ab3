// What the page shows: the faces, the keypad's card keys, the solution list, the
// seconds, the buttons' states and the verdict dialog.

// The window shows its verdict for 101 ticks of 10 ms, its bar filling meanwhile.
export const VerdictMilliseconds = 1010;

export class View {
    constructor(page) {
        this.faces = [...page.querySelectorAll('.cards img')];
        this.cardKeys = [...page.querySelectorAll('.keypad .card-key')];
        this.answer = page.getElementById('answer');
        this.submit = page.getElementById('submit');
        this.showResults = page.getElementById('show-results');
        this.solutions = page.getElementById('solutions');
        this.seconds = page.getElementById('seconds');
        this.verdict = page.getElementById('verdict');
        this.headline = page.getElementById('verdict-headline');
        this.detail = page.getElementById('verdict-detail');
        this.bar = this.verdict.querySelector('progress');
    }

    // A value without a face (the custom hand takes 0) shows a blank card.
    showHand(hand) {
        hand.forEach((value, index) => {
            const face = this.faces[index];
            face.alt = String(value);
            if (value >= 1 && value <= 13) face.src = `faces/${value}.svg`;
            else face.removeAttribute('src');
            this.cardKeys[index].textContent = String(value);
        });
    }

    showSolutions(lines) {
        this.solutions.replaceChildren(...lines.map((line) => {
            const item = document.createElement('li');
            item.textContent = line;
            return item;
        }));
        // On a phone the list is below the buttons: bring it into view.
        if (lines.length > 0) this.solutions.scrollIntoView({ block: 'nearest' });
    }

    showSeconds(seconds) {
        this.seconds.textContent = String(seconds);
    }

    enableShowResults(enabled) {
        // A disabled button that keeps the focus would leave the keyboard nowhere.
        if (!enabled && document.activeElement === this.showResults) this.answer.focus();
        this.showResults.disabled = !enabled;
    }

    // "提交" is enabled exactly while the answer field holds a character, spaces too.
    followAnswer() {
        this.submit.disabled = this.answer.value.length === 0;
    }

    clearAnswer() {
        this.answer.value = '';
        this.followAnswer();
    }

    select(position) {
        this.answer.setSelectionRange(position, position + 1);
    }

    // Shows the verdict until its time is up or the player presses Escape.
    announce({ headline, detail }) {
        this.headline.textContent = headline;
        this.detail.textContent = detail;
        this.bar.value = 0;
        this.verdict.showModal();
        const shown = performance.now();
        let frame = 0;
        const fill = (now) => {
            this.bar.value = Math.min(100, (now - shown) / (VerdictMilliseconds / 100));
            frame = requestAnimationFrame(fill);
        };
        frame = requestAnimationFrame(fill);
        const timer = setTimeout(() => this.verdict.close(), VerdictMilliseconds);
        return new Promise((resolve) => {
            this.verdict.addEventListener('close', () => {
                clearTimeout(timer);
                cancelAnimationFrame(frame);
                resolve();
            }, { once: true });
        });
    }
}
