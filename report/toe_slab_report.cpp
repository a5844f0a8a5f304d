#include "report/toe_slab_report.h"

#include <algorithm>
#include <string>

#include "engine/toe_slab.h"
#include "report/member_report_common.h"
#include "report/reaction_diagram.h"
#include "results/number_picture.h"
#include "results/report_writer.h"

namespace kovrel {
namespace {

std::string fmt(std::string_view picture, double value) {
  return formatNumber(picture, value);
}

void writeToeForces(ResultsWindow& results, const TAntei& s, const ToeDesign& t) {
  const double lr = s.reactionWidth;
  const double ls = std::min(lr, s.toeSectionX);
  const double lo = std::min(lr, s.outlineX[3]);
  ListBox& box = results.listBox("ListBox9");
  box.lines.clear();
  appendLine(box, "つま先版の設計");
  appendLine(box, "  つま先版は、たて壁との結合部を固定端");
  appendLine(box, "  とする片持梁として設計する。");
  appendLine(box, "(a)断面力");
  appendLine(box, " ①剪断力(S)は、次式で求める。");
  appendLine(box, "   部材設計の照査位置は、たて壁の前面");
  appendLine(box, "   から底版厚さ(H)のH/2離れた位置とする。");
  if (t.tooShort) {
    appendLine(box, "     つま先版長が短いので剪断応力");
    appendLine(box, "     の照査は省略する。");
  }
  if (t.buoyancy) {
    if (!t.tooShort) {
      appendLine(box, fmt("   S=-Wc+Qs+Wf                =0.00kN", t.s));
      appendLine(box, "   ここに");
      appendLine(box, fmt("     Wc(つま先版自重)         =0.00kN", s.toeWeightS));
      appendLine(box, fmt("     Qs(地盤反力)=Ls･(q1+q3)/2=0.00kN", s.toeReactionS));
      appendLine(box, fmt("       Ls(先端～ H/2部距離)   =0.000m", ls));
      appendLine(box, fmt("       q1(先端部地盤反力度)   =0.00kN/m2", s.reactionToe));
      appendLine(box, fmt("       q3( H/2部地盤反力度)   =0.00kN/m2", s.reactionAtToeSection));
      appendLine(box, fmt("     Wf(つま先版浮力)         =0.00kN", s.toeBuoyancyS));
    }
    appendLine(box, " ②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。");
    appendLine(box, fmt("   M=-Wc･x1+Qs･x2+Wf･x3       =0.00kNm", t.mr));
    appendLine(box, "   ここに");
    appendLine(box, fmt("     Wc(つま先版自重)         =0.00kN", s.toeWeightM));
    appendLine(box, fmt("     Qs(地盤反力)=Lo･(q1+q4)/2=0.00kN", s.toeReactionM));
    appendLine(box, fmt("       Lo(q1～q4間距離)       =0.000m", lo));
    appendLine(box, fmt("       q1(先端部地盤反力度)   =0.00kN/m2", s.reactionToe));
    appendLine(box, fmt("       q4(付根部地盤反力度)   =0.00kN/m2", s.reactionAtStemFront));
    appendLine(box, fmt("     Wf(つま先版浮力)         =0.00kN", s.toeBuoyancyM));
    appendLine(box, fmt("     x1(Wcのアーム長)         =0.000m", s.toeWeightMArm));
    appendLine(box, fmt("     x2(Qsのアーム長)         =0.000m", s.toeReactionMArm));
    appendLine(box, fmt("     x3(Wfのアーム長)         =0.000m", s.toeBuoyancyMArm));
  } else {
    if (!t.tooShort) {
      appendLine(box, fmt("   S=-Wc+Qs                   =0.00kN", t.s));
      appendBlank(box);
      appendLine(box, "   ここに");
      appendLine(box, fmt("     Wc(つま先版自重)         =0.00kN", s.toeWeightS));
      appendLine(box, fmt("     Qs(地盤反力)=Ls･(q1+q3)/2=0.00kN", s.toeReactionS));
      appendLine(box, fmt("       Ls(先端～ H/2部距離)   =0.000m", ls));
      appendLine(box, fmt("       q1(先端部地盤反力度)   =0.00kN/m2", s.reactionToe));
      appendLine(box, fmt("       q3( H/2部地盤反力度)   =0.00kN/m2", s.reactionAtToeSection));
    }
    appendBlank(box);
    appendLine(box, " ②曲げﾓｰﾒﾝﾄ(M)は、次式で求める。");
    appendLine(box, fmt("   M=-Wc･x1+Qs･x2             =0.00kNm", t.mr));
    appendBlank(box);
    appendLine(box, "   ここに");
    appendLine(box, fmt("     Wc(つま先版自重)         =0.00kN", s.toeWeightM));
    appendLine(box, fmt("     Qs(地盤反力)=Lo･(q1+q4)/2=0.00kN", s.toeReactionM));
    appendLine(box, fmt("       Lo(q1～q4間距離)       =0.000m", lo));
    appendLine(box, fmt("       q4(付根部地盤反力度)   =0.00kN/m2", s.reactionAtStemFront));
    appendLine(box, fmt("     x1(Wcのアーム長)         =0.000m", s.toeWeightMArm));
    appendLine(box, fmt("     x2(Qsのアーム長)         =0.000m", s.toeReactionMArm));
  }

  // H/2 section.
  StringGrid& half = results.grid("StringGrid8");
  half.setCell(0, 0, "断面力");
  const int total = t.buoyancy ? 4 : 3;
  auto put = [&](int col, int row, double v) {
    half.setCell(col, row, t.tooShort ? std::string("---") : fmt("0.00", v));
  };
  put(3, 1, -s.toeWeightS);
  put(1, 2, s.reactionToe);
  put(2, 2, s.reactionAtToeSection);
  put(3, 2, s.toeReactionS);
  if (t.buoyancy) put(3, 3, s.toeBuoyancyS);
  put(3, total, t.s);

  // Root section.
  StringGrid& root = results.grid("StringGrid13");
  root.setCell(0, 0, "断面力");
  root.setCell(3, 1, fmt("0.00", -s.toeWeightM));
  root.setCell(4, 1, fmt("0.000", s.toeWeightMArm));
  root.setCell(5, 1, fmt("0.00", -s.toeWeightM * s.toeWeightMArm));
  root.setCell(1, 2, fmt("0.00", s.reactionToe));
  root.setCell(2, 2, fmt("0.00", s.reactionAtStemFront));
  root.setCell(3, 2, fmt("0.00", s.toeReactionM));
  root.setCell(4, 2, fmt("0.000", s.toeReactionMArm));
  root.setCell(5, 2, fmt("0.00", s.toeReactionM * s.toeReactionMArm));
  if (t.buoyancy) {
    root.setCell(3, 3, fmt("0.00", s.toeBuoyancyM));
    root.setCell(4, 3, fmt("0.000", s.toeBuoyancyMArm));
    root.setCell(5, 3, fmt("0.00", s.toeBuoyancyM * s.toeBuoyancyMArm));
  }
  root.setCell(3, total, fmt("0.00", t.v));
  // The arm of a zero sum has no value.
  root.setCell(4, total, t.v != 0 ? fmt("0.000", t.mr / t.v) : std::string("---"));
  root.setCell(5, total, fmt("0.00", t.mr));
}

void writeToeStresses(ResultsWindow& results, const TAntei& s, const ToeDesign& t) {
  ListBox& box = results.listBox("ListBox15");
  box.lines.clear();
  appendLine(box, "(b)応力度計算");
  appendLine(box, " ①必要鉄筋量の計算");
  appendLine(box, "   固定端における必要鉄筋量(As)");
  appendLine(box, "   は、次式で求める。");
  appendLine(box, "            M");
  appendLine(box, fmt("   As=-------------      =0,0mm2", t.bars.requiredAs));
  appendLine(box, "       σsa･(d-x/3)");
  appendBlank(box);
  appendLine(box, "   ここに");
  appendLine(box, fmt("     M   (曲げﾓｰﾒﾝﾄ)     =0.00kNm", t.m));
  appendLine(box, fmt("     σsa(許容引張応力度)=0kN/m2", s.allowableSteelTension));
  appendLine(box, fmt("     d   (部材厚-かぶり) =0,0m", t.d * 1000.0));
  appendBlank(box);
  appendLine(box, "     xは、次式で求める");
  appendLine(box, "                　6･M･15");
  appendLine(box, "     x^3-3d･x^2-(--------)･(x-d)=0");
  appendLine(box, "                  σsa･b");
  appendLine(box, fmt("     上記式を解いてx=0mmを得る。", t.bars.x));
  appendLine(box, "   配筋は");
  appendLine(box, fmt("   直径=D0mm", t.bars.diameter) + fmt(":ﾋﾟｯﾁ=@0mmとする。", t.bars.pitch));
  appendLine(box, fmt("   使用鉄筋量(A)は0,0mm2", t.bars.providedAs));
  appendLine(box, t.bars.requiredAs > t.bars.providedAs ? "   となり、鉄筋量不足である。"
                                                        : "   となり、必要鉄筋量を満足する。");
  appendBlank(box);
  appendLine(box, "②実応力度の計算");
  appendLine(box, "　応力度は、次式で求める");
  appendLine(box, "　　　　　　　　　　　 2･M");
  appendLine(box, fmt("　σc(圧縮応力度)= ------------ =0.00N/mm2", t.stresses.sigmaC));
  appendLine(box, "　　　　　　　　　　b･x(d-x/3)");
  appendLine(box, "                          d-x");
  appendLine(box, fmt("  σs(引張応力度)= n･σc･----- =0.00N/mm2", t.stresses.sigmaS));
  appendLine(box, "                           x");
  appendBlank(box);
  appendLine(box, "  ここに");
  appendLine(box, fmt("    M(曲げﾓｰﾒﾝﾄ)　　　　　　　=0.00kNm", t.m));
  appendLine(box, "    b(幅)　　　　　　　　　　 =1,000mm");
  appendLine(box, fmt("    d(部材厚-かぶり)　　　　　=0,0mm", t.d * 1000.0));
  appendLine(box, "      15･As         　2b･d");
  appendLine(box, fmt("    x=-----･(-1+√(1+-------))=0mm", t.stresses.x));
  appendLine(box, "　　　　b　　　　　　 15･As");
  if (!t.tooShort) {
    appendLine(box, "③実応力度の計算(剪断：H/2部)");
    appendLine(box, fmt("　τm(平均剪断応力度)=S/(b･d)=0.00N/mm2", t.tauM));
    appendLine(box, "　ここに");
    appendLine(box, fmt("　　S(剪断力)　　　　　　　　=0.00kN", t.s));
    appendLine(box, fmt("　　d(部材厚-かぶり)　　　　 =0,0mm", t.dh * 1000.0));
    appendLine(box, "　なお");
    appendLine(box, fmt("　　Pt(軸方向引張鉄筋比)=A/(b･d)=0.000%", t.pt * 100));
    appendBlank(box);
    appendLine(box, "④コンクリートの許容剪断応力度(τca)");
    appendLine(box, "　τca=τa1･Ce･Cpt･Cdc            " + fmt("=0.00N/mm2", t.tauCa));
    appendBlank(box);
    appendLine(box, "　ここに");
    appendLine(box,
               "　　τa1(許容剪断応力度基準値)　　　" + fmt("=0.00N/mm2", s.allowableShearBase));
    appendLine(box, "　　Ce　(有効高dの補正係数)　　　　 " + fmt("=0.000", t.ce));
    appendLine(box, "　　Pt　(軸方向引張鉄筋比)　　　　　" + fmt("=0.000%", t.pt * 100));
    appendLine(box, "　　Cpt (軸方向引張鉄筋比の補正係数)" + fmt("=0.000", t.cpt));
    appendLine(box, "　　Cdc (剪断ｽﾊﾟﾝ比[a/d]の補正係数) " + fmt("=0.000", t.cdc));
    appendLine(box, "　　　a (剪断ｽﾊﾟﾝ:鉛直荷重の合力位置" + fmt("=0.000m", t.a));
    appendLine(box, "　　　d (たて壁位置の底版の有効高)　" + fmt("=0.000m", t.d));
    appendBlank(box);
  }
  appendLine(box, "計算結果を[図][表]に示す。");

  DesignSummary sum = summariseDesign(t, t.s, t.tauM, s);
  sum.shearChecked = !t.tooShort;
  writeDesignSummary(results.grid("StringGrid3"), sum, "0mm2");
}

}  // namespace

void writeToeReport(ResultsWindow& results, TAntei& s, const ToeDesign& t, bool colourOutput) {
  if (t.lWall) {
    // No toe: its force page has nothing to show, not an earlier wall's toe.
    results.listBox("ListBox9").lines.clear();
  } else {
    writeToeForces(results, s, t);
  }
  writeToeStresses(results, s, t);

  Chart& chart = results.chart("Chart2");
  clearChart(chart);
  chart.title = "図";
  chart.left.minimum = -s.reactionToe / 100 - 0.5;
  chart.left.maximum = s.outlineY[3] + 0.5;
  chart.bottom.minimum = -0.5;
  chart.bottom.maximum = s.outlineX[9] + 0.5;
  Series& wall = chart.seriesNamed("Series32");
  Series& reaction = chart.seriesNamed("Series33");
  Series& bar = chart.seriesNamed("Series34");
  wall.colour = clBlack;
  bar.colour = clBlack;
  reaction.colour = reactionColour(colourOutput);
  drawWallOutline(s, wall);
  drawReactionDiagram(s, reaction, ReactionVariant::ToeSlab);
  if (!t.lWall) {
    const StringGrid& g = results.grid("StringGrid3");
    const double b = s.outlineX[9];
    bar.points.push_back({s.stemCover, s.slabCover, " ", std::nullopt});
    bar.points.push_back({b / 2, s.slabCover, g.cell(1, 5) + ":" + g.cell(1, 6), std::nullopt});
    bar.points.push_back({b - s.stemCover, s.slabCover, " ", std::nullopt});
  }
}

}  // namespace kovrel
