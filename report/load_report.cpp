#include "report/load_report.h"

#include <algorithm>
#include <cmath>

#include "report/earth_pressure_curve.h"
#include "report/unstable_backfill_note.h"
#include "results/number_picture.h"
#include "results/report_writer.h"

namespace kovrel {
namespace {

void line(ListBox& box, const char* picture, double value) {
  appendLine(box, formatNumber(picture, value));
}

// The seismic earth pressure formula applies to combinations with the
// seismic wedge (RadioGroup9 items 1 and 2).
bool seismicPressure(const TAntei& s, const DesignConditions& dc) {
  return s.loadCase == 1 && dc.index("RadioGroup9") != 0;
}

void writeEarthPressure(const TAntei& s, const DesignConditions& dc, ListBox& box) {
  box.lines.clear();
  // 1. Heading.
  appendLine(box, "１．土圧計算");
  appendLine(box, "    土圧は試行くさび法により求める。");
  appendBlank(box);
  if (s.backfillUnstable) {
    appendUnstableBackfillFinding(s, box);
    return;
  }
  appendLine(box, "最大土圧(Pa)は、次式で求める。");

  // 2. Formula of Pa.
  appendBlank(box);
  if (!seismicPressure(s, dc)) {
    appendLine(box, "    W･sin(ω-φ)-c･L･cosφ");
    line(box, "Pa=------------------------=0.00kN", s.earthForce);
    appendLine(box, "      cos(ω-φ-α-δ)");
    appendBlank(box);
  } else {
    appendLine(box, "    W･secθsin(ω-φ+θ)-c･L･cosφ");
    line(box, "Pa=-------------------------------=0.00kN", s.earthForce);
    appendLine(box, "           cos(ω-φ-α-δ)");
    appendBlank(box);
    appendLine(box, "ここに");
    line(box, "  θ=Arctan(kh)           =0.00度", std::atan(s.kh) * kDegreesPerRadian);
    line(box, "  Kh(水平震度)            =0.00", s.kh);
  }

  // 3. Surcharge.
  appendBlank(box);
  if (s.surcharge > 0) line(box, "q(載荷重)                 =0.00kN/m2", s.surcharge);

  // 4-6. Search and the critical wedge's weight.
  appendLine(box, "ω(すべり角)を変化させ、最大土圧を求める。");
  appendLine(box, "計算結果は、下記のとおり。(図参照)");
  appendBlank(box);
  line(box, "  W (すべり土塊の重量)    =0.00kN", s.reportWeightNet);
  if (s.reportUplift > 0) {
    appendLine(box, "    W=Wd-Uv");
    line(box, "      Wd(浮力無視重量)    =0.00kN", s.reportWeightTotal);
    appendLine(box, "               γw･Hw^2");
    line(box, "      Uv(浮力)=---------  =0.00kN", s.reportUplift);
    appendLine(box, "                2･tanω");
    line(box, "       γw(水の単位重量)  =0.00kN/m3", s.gammaW);
    line(box, "        Hw(水深)          =0.000m", s.waterDepth);
  }

  // 7. Angles and cohesion.
  line(box, "  ω(すべり角)            =0.00度", s.slipAngle * kDegreesPerRadian);
  line(box, "  φ(背面土剪断抵抗角)    =0.00度", s.phiBackfill * kDegreesPerRadian);
  line(box, "  α(壁面が鉛直となす角)  =0.00度;α(壁面が鉛直となす角)=-0.00度",
       s.wallFaceAngle * kDegreesPerRadian);
  appendLine(box, "    (安定計算時α=0度)");
  line(box, "  δ(壁面摩擦角)          =0.00度", s.wallFriction * kDegreesPerRadian);
  line(box, "  c (粘着力)              =0.00kN/m2", s.cohesionBackfill);

  // 8-9. Crack depth and the shift of the diagram.
  if (s.cohesionBackfill > 0) {
    appendLine(box, "              2･C     π   φ     Q");
    line(box, "  Zc(粘着高)=----･tan(---＋---)- --- =0.00m", s.crackDepth);
    appendLine(box, "              γs      4    2    γs");
  }
  if (s.crackOffset > 0) line(box, "  hc       =Cosα･Cosβ/Cos(α+β)･Zc=0.00m", s.crackOffset);

  // 10. Slip length and the components with their points of action.
  line(box, "  Ｌ(滑り面長)            =0.000m", s.slipLength);
  line(box, "Ph(水平土圧)=Pa･cosδ     =0.00kN", s.earthForceH);
  line(box, "Pv(鉛直土圧)=Pa･sinδ     =0.00kN", s.earthForceV);
  line(box, "y(水平土圧の作用点)       =0.000m", s.earthForceHY);
  line(box, "x(鉛直土圧の作用点)       =0.000m", s.earthForceVX);
}

void writeOtherLoads(const TAntei& s, const DesignConditions& dc, ListBox& box) {
  box.lines.clear();
  appendLine(box, "２．その他の荷重");

  // 2. Passive earth pressure.
  const double ho = s.outlineY[24];
  if (!dc.checked("CheckBox9") && s.passiveForce <= 0) {
    appendLine(box, "①受働土圧(Pp)：なし");
  } else {
    if (!s.waterOn) {
      appendLine(box, "①受働土圧(Pp)");
      appendLine(box, "        γ･Ho^2");
      line(box, "  Pp=Kp･--------+2･C√Kp=0.00kN", s.passiveForce);
      appendLine(box, "           2");
      appendLine(box, "  ここに");
      line(box, "    γ(土の単位重量)  =0.00kN/m3", s.gamma2);
      line(box, "    Ho(有効根入長)    =0.000m", ho);
    } else {
      appendLine(box, "①受働土圧(Pp)");
      line(box, "  Pp=Kp･Σγ･H+2･C√Kp=0.00kN", s.passiveForce);
      appendLine(box, "  ここに");
      line(box, "    γ (土の単位重量) =0.00kN/m3", s.gamma2);
      line(box, "    γw(土の水中重量) =0.00kN/m3", s.gamma2 - kSoilWaterWeight);
      line(box, "    H1 (γ の層厚)    =0.000m", std::max(0.0, ho - s.waterDepth));
      line(box, "    H2 (γwの層厚)    =0.000m", std::min(s.waterDepth, ho));
    }
    line(box, "    C  (土の粘着力)   =0.00kN/m2", s.cohesionEmbed);
    if (!seismicPressure(s, dc)) {
      appendLine(box, "         1+sinφ");
      line(box, "    Kp=-----------    =0.00", s.kp);
      appendLine(box, "         1-sinφ");
    } else {
      appendLine(box, "           [cos(φ-θ)]^2");
      line(box, " Kp=------------------------------=0.00", s.kp);
      appendLine(box, "       2        sinφ･sin(φ-θ)      ");
      appendLine(box, "    cos(θ)[1-√----------------]^2");
      appendLine(box, "                   cos(-θ)");
    }
    // Without a real coefficient the resistance is left out, and said so.
    if (s.kpUndefined == 1) {
      appendLine(box, "    (θ＞φのためKpが求まらないので、受働土圧は考慮しない)");
    } else if (s.kpUndefined) {
      appendLine(box, "    (Kpが求まらないので、受働土圧は考慮しない)");
    }
  }

  // 3. Water pressure.
  appendBlank(box);
  if (dc.checked("CheckBox3")) {
    appendLine(box, "②水圧");
    appendLine(box, "           γw･Hw^2");
    line(box, "  Pw(水圧)=---------  =0.00kN", s.waterForce);
    appendLine(box, "               2");
    line(box, "  M(ﾓｰﾒﾝﾄ)=Pw･Hp      =0.00kNm", s.waterMoment);
    appendLine(box, "  ここに");
    line(box, "    γw(単位重量)     =0.00kN/m3", s.gammaW);
    line(box, "    Hw(水深)          =0.000m", s.waterDepth);
    line(box, "    Hp(作用点)        =0.000m", s.waterArm);
  } else {
    appendLine(box, "②水圧        ：なし ");
  }

  // 4. Wind.
  appendBlank(box);
  if (dc.checked("CheckBox5")) {
    appendLine(box, "③風荷重");
    line(box, "  Pf(風荷重)=H･P      =0.00kN", s.windForce);
    line(box, "  M(ﾓｰﾒﾝﾄ)  =Pf･Hp    =0.00kNm", s.windMoment);
    appendLine(box, "  ここに");
    line(box, "    P(荷重強度)       =0.00kN/m2", s.windPressure);
    line(box, "    H(遮音壁高)       =0.000m", s.windHeight);
    line(box, "    Hp(作用点)        =0.000m", s.windArm);
  } else {
    appendLine(box, "③風荷重      ：なし ");
  }

  // 5. Collision.
  appendBlank(box);
  if (dc.checked("CheckBox6")) {
    appendLine(box, "④衝突荷重");
    line(box, "  Pf(衝突荷重)=P/L    =0.00kN", s.collisionForce);
    line(box, "  M (ﾓｰﾒﾝﾄ)   =Pf･Hp  =0.00kNm", s.collisionMoment);
    appendLine(box, "  ここに");
    line(box, "    P (衝突荷重)      =0.00kN", s.collisionLoad);
    line(box, "    L (擁壁長)        =0.000m", s.blockLength);
    line(box, "    Hp(作用点)        =0.000m", s.collisionArm);
  } else {
    appendLine(box, "④衝突荷重    ：なし ");
  }

  // 6. Buoyancy.
  appendBlank(box);
  if (s.waterOn == 1) {
    appendLine(box, "⑤浮力");
    appendLine(box, "  擁壁の浮力");
    line(box, "    Pv(浮力)          =0.00kN", s.wallBuoyancy);
    line(box, "    x (作用位置)      =0.000m", s.wallBuoyancyX);
    line(box, "    M (ﾓｰﾒﾝﾄ)=Pv･x    =0.00kNm", s.wallBuoyancyMoment);
    appendLine(box, "  背面土の浮力");
    line(box, "    Pv(浮力)          =0.00kN", s.soilBuoyancy);
    line(box, "    x (作用位置)      =0.000m", s.soilBuoyancyX);
    line(box, "    M (ﾓｰﾒﾝﾄ)=Pv･x    =0.00kNm", s.soilBuoyancyMoment);
    line(box, "  ΣPv(浮力 合計)     =0.00kN", s.wallBuoyancy + s.soilBuoyancy);
    line(box, "  ΣM (ﾓｰﾒﾝﾄ合計)     =0.00kNm", s.wallBuoyancyMoment + s.soilBuoyancyMoment);
  } else {
    appendLine(box, "⑤浮力        ：なし ");
  }
}

}  // namespace

void writeLoadReport(TAntei& s, const DesignConditions& dc, ResultsWindow& results) {
  writeEarthPressure(s, dc, results.listBox("ListBox1"));
  writeOtherLoads(s, dc, results.listBox("ListBox2"));

  // The curve: axis to 1.1·Pa, colours by the output choice.
  Chart& chart = results.chart("Chart5");
  chart.left.minimum = 0;
  chart.left.maximum = 1.1 * s.earthForce;
  const bool colour = dc.index("RadioGroup10") == 0;
  chart.titleColour = colour ? clMaroon : clBlack;
  Series& curve = chart.seriesNamed("Series8");
  curve.colour = colour ? clRed : clBlack;
  curve.labelColour = clBlack;
  drawEarthPressureCurve(s, wedgeSettingsFrom(dc), s.backfillShape, chart);
}

}  // namespace kovrel
